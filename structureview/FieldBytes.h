#pragma once
// The text typed for a leaf field turned into the bytes it takes in the
// file: numbers in the field's type, byte order and size (read as the data
// inspector reads them), enum labels or numbers, strings in the field's
// encoding padded to its size, hex for byte arrays, and bit fields among
// the bits beside them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/DocumentBytes.h"
#include "structureview/StructureRow.h"

struct FieldBytes {
    std::vector<std::uint8_t> bytes; // exactly the field's size, to write at its offset
    std::string error;               // why not, naming the type and what it takes
    bool valid() const { return error.empty(); }
};

// A bit field's bytes keep the other bits they hold, read from `document`.
FieldBytes fieldBytes(const StructureRow& row, std::string_view text, const DocumentBytes& document);
