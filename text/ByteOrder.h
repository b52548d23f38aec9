#pragma once
// Unsigned numbers of 1 to 8 bytes read from and written to memory in either byte order.
#include <cstddef>
#include <cstdint>

constexpr int bitsPerByte = 8;

inline std::uint64_t loadUnsigned(const std::uint8_t* bytes, std::size_t size, bool bigEndian)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value = (value << bitsPerByte) | (bigEndian ? bytes[i] : bytes[size - 1 - i]);
    }
    return value;
}

inline void storeUnsigned(std::uint8_t* bytes, std::size_t size, std::uint64_t value, bool bigEndian)
{
    for (std::size_t i = 0; i < size; ++i) {
        bytes[bigEndian ? size - 1 - i : i] = static_cast<std::uint8_t>(value >> (bitsPerByte * i));
    }
}
