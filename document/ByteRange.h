#pragma once
// A run of the document's bytes by its first offset and its length.
#include <cstdint>

// `count` bytes from offset `first` on.
struct ByteRange {
    std::int32_t first = 0;
    std::int32_t count = 0;
};
