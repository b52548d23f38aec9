#pragma once
// A fuzz input read from the front: fixed fields first, the free-form part
// last. A field past the end of the input reads as zero, so every input is
// a valid case and short seeds stay readable.
#include <cstddef>
#include <cstdint>
#include <string>

class FuzzInput {
public:
    static constexpr int maxBytesPerRow = 32;
    static constexpr int editorBytesPerRow = 16;

    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return position_ < size_ ? data_[position_++] : 0; }

    // Little-endian.
    std::uint16_t word()
    {
        const unsigned low = byte();
        const unsigned high = byte();
        return static_cast<std::uint16_t>(low | high << 8);
    }

    std::int16_t signedWord() { return static_cast<std::int16_t>(word()); }

    // A row width of 1 to 32 bytes; 0, and so a missing field, is the editor's 16.
    int bytesPerRow()
    {
        const int n = byte() % (maxBytesPerRow + 1);
        return n == 0 ? editorBytesPerRow : n;
    }

    // Up to `count` bytes, fewer at the end of the input.
    std::string bytes(std::size_t count)
    {
        const std::size_t taken = count < size_ - position_ ? count : size_ - position_;
        std::string text(reinterpret_cast<const char*>(data_ + position_), taken);
        position_ += taken;
        return text;
    }

    std::string rest() { return bytes(size_ - position_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};
