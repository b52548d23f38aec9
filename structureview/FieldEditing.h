#pragma once
// A typed value written over a leaf field of the Structure window's tree, as
// one change Undo takes back.
#include <cstddef>
#include <string_view>

struct EditorCore;
class StructureTree;

enum class FieldWrite {
    written, // its bytes are over the field's, as one change
    refused, // a read-only document (a beep), or the user kept it as it was
    invalid, // the text is no value of the field's type: the user was told why
};

// The tree is parsed again by whoever watches the document's changes.
FieldWrite writeField(EditorCore& core, StructureTree& tree, std::size_t row, std::string_view text);
