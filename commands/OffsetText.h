#pragma once
// The offset typed into the Go to Offset dialog.
#include <cstdint>
#include <string>

struct OffsetText {
    bool valid = false;
    std::int64_t value = 0; // held at a value past any document when larger
};

// Hexadecimal, with or without "0x"; or decimal after "#". Blanks around it
// are allowed; anything else, or no digits, is not an offset.
OffsetText parseOffset(const std::string& text);
