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

// The offset typed for a document of `size` bytes: where to go, or why the
// text names no offset there, repeating it as typed.
struct OffsetChoice {
    std::int64_t offset = 0;
    std::string refusal; // empty when the offset lies in the document or at its end
};
OffsetChoice chooseOffset(const std::string& typed, std::int64_t size);
