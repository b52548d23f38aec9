#pragma once
// The status bar's texts: where the cursor is, what is selected, how large the
// document is, the view, the typing mode and whether it may be changed.
#include <cstdint>
#include <string>

#include "editor/EditorCore.h"

struct StatusTexts {
    std::string offset;    // "Offset: 0x1A (26)"
    std::string selection; // "Selection: 0x10-0x2F (32 bytes)", empty without one
    std::string size;      // "Size: 1,234 bytes"
    std::string view;      // "Hex" or "Octal"
    std::string mode;      // "Overwrite"
    std::string readOnly;  // "Read-only", or empty
};

// Uppercase hexadecimal digits, no prefix: "1A".
std::string hexDigits(std::int64_t value);
// A count with a comma between each group of three digits: "1,234".
std::string groupedDecimal(std::int64_t value);
// "32 bytes", "1 byte".
std::string byteCount(std::int64_t count);
std::string offsetStatus(std::int32_t offset);
std::string selectionStatus(ByteRange range);

StatusTexts statusTexts(const EditorCore& core);
