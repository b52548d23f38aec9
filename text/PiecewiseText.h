#pragma once
// A text of many bytes, measured first and then written piece by piece in
// place, so that a large one is held only once: in the block it goes to.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

struct PiecewiseText {
    std::uint64_t length = 0;   // characters, without a terminator
    std::size_t byteCount = 0;  // the bytes it is made of
    // Writes the text of bytes [from, to) at its place in a block of
    // `length` characters and room for a terminator after them. Pieces
    // written in order, from the first byte to the last, write it whole.
    std::function<void(char* text, std::size_t from, std::size_t to)> write;
};

// The whole text in one string. Throws std::length_error when it could not
// be held at all, std::bad_alloc when there is no memory for it.
inline std::string wholeText(const PiecewiseText& text)
{
    if (text.length > std::string().max_size()) {
        throw std::length_error("wholeText: too long");
    }
    std::string whole(static_cast<std::size_t>(text.length), '\0');
    if (text.byteCount > 0) {
        text.write(&whole[0], 0, text.byteCount);
    }
    return whole;
}
