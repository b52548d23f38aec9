#pragma once
// The benchmarks' random documents: the same bytes every run, a 32-bit word a draw.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>

inline void fillRandom(std::uint8_t* bytes, std::size_t count, unsigned seed = 2026)
{
    std::mt19937 random(seed);
    for (std::size_t i = 0; i < count; i += sizeof(std::uint32_t)) {
        const auto word = static_cast<std::uint32_t>(random());
        std::memcpy(bytes + i, &word, std::min(sizeof word, count - i));
    }
}
