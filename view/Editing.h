#pragma once
// Typing over the bytes (or among them, in insert mode), the Delete key, and
// what the selection holds for the edits that take it.
#include <cstdint>

struct EditorCore;
struct ByteRange;

// A character typed in the hex pane: a digit of the current view replaces
// the digit at digitIndex of the byte under the cursor; in insert mode the
// first digit inserts a new byte before it. False for any other character.
// Nothing changes at the end position unless inserting.
bool typeDigit(EditorCore& core, char character);
// A printable character typed in the ASCII pane overwrites the byte under
// the cursor, or goes in before it in insert mode. False for any other character.
bool typeCharacter(EditorCore& core, unsigned char character);
// Delete, and Cut once its copy is made: the selection undrawn, its bytes
// removed (deleteSelection), no selection left, the panes repainted later.
// Nothing without a selection, or when the user chose not to make a
// removal that cannot be undone.
void deleteAndUnselect(EditorCore& core);
// The selected bytes that exist: between the two ends of the selection,
// both included, stopping at the last byte. None without a selection.
ByteRange selectedBytes(const EditorCore& core);
// Whether the document can take `count` bytes more within the 32-bit size.
bool canGrowBy(const EditorCore& core, std::int64_t count);
