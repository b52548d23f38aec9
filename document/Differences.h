#pragma once
// The document against the bytes of another file, offset by offset: how many
// differ, and where the runs of differing bytes lie. Every byte past the
// other file's end differs. Compared a block at a time, not byte by byte.
#include <cstdint>

struct DifferenceRun {
    std::int64_t first = -1; // -1: none
    std::int64_t length = 0;
};

// The bytes that differ: those unequal at the same offset, and the
// document's bytes past the other's end.
std::int64_t countDifferences(const std::uint8_t* document, std::int64_t size, const std::uint8_t* other,
                              std::int64_t otherSize);

// The first run of differing bytes that starts after `offset`, passing over
// the run `offset` lies in; from -1, the first run of all.
DifferenceRun nextDifference(const std::uint8_t* document, std::int64_t size, const std::uint8_t* other,
                             std::int64_t otherSize, std::int64_t offset);

// The last run of differing bytes that starts before `offset`.
DifferenceRun previousDifference(const std::uint8_t* document, std::int64_t size, const std::uint8_t* other,
                                 std::int64_t otherSize, std::int64_t offset);

// Whether the byte at `offset` differs: for the painter, which asks only for
// the cells it shows.
inline bool differsAt(const std::uint8_t* document, std::int64_t size, const std::uint8_t* other,
                      std::int64_t otherSize, std::int64_t offset)
{
    return offset >= 0 && offset < size && (offset >= otherSize || document[offset] != other[offset]);
}
