#pragma once
// What the Checksums dialog sums, how it says so, and the sums' text form.
#include <cstddef>
#include <cstdint>
#include <string>

#include "editor/EditorCore.h"

struct ChecksumScope {
    ByteRange range;
    std::string text; // "Selection: 0x10-0x2F, 32 bytes" or "Whole document: 1,234 bytes"
};

// The selected bytes, or the whole document without a selection.
ChecksumScope checksumScope(const EditorCore& core);

// Two lowercase hexadecimal digits a byte: how sums are shown.
std::string lowercaseHex(const std::uint8_t* bytes, std::size_t count);
