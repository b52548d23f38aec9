#pragma once
// The number typed into the Insert Characters dialog, and the messages of
// insertions that cannot be made.
#include <cstdint>
#include <string>

struct InsertCount {
    enum class Status {
        none,       // no digits first, zero or negative: nothing to insert
        count,      // `value` bytes to insert
        outOfRange, // more digits than any document could take
    };
    Status status = Status::none;
    std::int32_t value = 0;
};

// Read as a decimal number: leading blanks and a sign allowed, digits up to
// the first non-digit ('12abc' is 12), no digits give none. A value past the
// 32-bit range is reported, never wrapped.
InsertCount parseInsertCount(const std::string& text);

// Why `count` bytes cannot go in: the document would pass the 32-bit size,
// or the memory for them cannot be had.
std::string growthRefusalText(std::int64_t count);
std::string noMemoryToInsertText(std::int64_t count);
// Why an Insert Characters entry inserts nothing, or more than any document holds.
std::string notACountText(const std::string& typed);
std::string countTooLargeText(const std::string& typed);
// What an overwriting Paste left out past the document's end.
std::string pasteLeftOutText(std::int64_t count);
