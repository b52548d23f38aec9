#pragma once
// One row of the Structure window's tree: a field, an element of a repeat,
// or the data error that ended the parse.
#include <cstddef>
#include <string>

#include "structure/StructValue.h"

enum class RowKind {
    object, // a user type's fields below it
    repeat, // a repeated field's elements below it
    leaf,   // a value
    error,  // the parse's first data error, last
};

struct StructureRow {
    RowKind kind = RowKind::leaf;
    int depth = 0;
    std::string name; // "width", "chunks[3]" for a repeat of 3, "[2]" for an element
    std::string path; // as errors name it: "chunks[2].body.width"
    structure::Item item;
    const structure::Attribute* attribute = nullptr; // the field; an element's repeated field
    const structure::StructValue* owner = nullptr;   // the object the field belongs to
    bool open = false;

    bool hasChildren() const { return kind == RowKind::object || kind == RowKind::repeat; }
};
