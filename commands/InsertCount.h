#pragma once
// The number typed into the Insert Characters dialog, and the insertion of
// that many zero bytes.
#include <cstdint>
#include <string>
#include <string_view>

struct EditorCore;

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

// Insert chars: the count's zero bytes inserted at the cursor, the panes
// repainted later; a count the document cannot take (none, too large, past
// its 32-bit size, or past the memory) refused with a message that repeats
// what was `typed`. False when nothing was inserted.
bool insertCounted(EditorCore& core, const InsertCount& count, std::string_view typed);
