#pragma once
// The data inspector's side of the core: what the bytes at the cursor mean as
// each type, and a typed value written over them as one change.
#include <string>
#include <string_view>

#include "text/ByteValues.h"

struct EditorCore;

enum class ValueWrite {
    written,        // its bytes are over the document's at the cursor, as one change
    refused,        // a read-only document, or the user kept it as it was
    invalid,        // the text is no value of the type: the user was told why
    notEnoughBytes, // the value runs past the end: the user was told so
};

// A row's text for the bytes from the cursor on, "-" past the end.
std::string valueAtCursor(const EditorCore& core, ValueType type, bool bigEndian);
// The typed text as the type's bytes, in the byte order, written over the
// document at the cursor; nothing changes unless it is written.
ValueWrite writeValue(EditorCore& core, ValueType type, std::string_view text, bool bigEndian);
