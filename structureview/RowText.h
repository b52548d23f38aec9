#pragma once
// The Structure window's columns for a row, as the user reads them: values
// in decimal with the hex after from 10 on, enums by label, strings quoted,
// the first bytes of a byte array, offsets in hex and sizes in decimal.
#include <string>

#include "structureview/StructureRow.h"

struct RowText {
    std::string name;
    std::string value;
    std::string offset; // empty for value instances, which have no place in the bytes
    std::string size;
    std::string type;
};

RowText rowText(const StructureRow& row);
// A leaf's value as shown; empty for rows with children.
std::string valueText(const structure::Value& value);
// What an edit box over a leaf's value starts with: the value as shown, but
// every byte of a byte array.
std::string editText(const StructureRow& row);
