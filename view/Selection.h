#pragma once
// The selection: from the cursor, its anchor, to its moving end, kept as the
// end's screen row and column. Cleared, drawn away, moved by the keys, read
// as an offset, and put on a run of bytes.
#include <cstdint>

struct EditorCore;

// Shift with a move key: where the selection's moving end goes.
enum class SelectionMove { left, right, up, down, pageUp, pageDown, home, end };

// No selection, drawing nothing: for a caller that repaints anyway.
void forgetSelection(EditorCore& core);
// Undraws the selection, when there is one, and clears it (unhighlightSelection only undraws).
void unselect(EditorCore& core);
// The moving end goes by a byte, a row, a page, or to the start or the end
// position; the cursor is the anchor. The view follows the moving end.
void extendSelection(EditorCore& core, SelectionMove move);
// The moving end's offset (the cursor's when there is no selection).
std::int64_t selectionEndOffset(const EditorCore& core);
// `count` bytes from `first` selected, the cursor on the first, the view
// scrolled to it when it is off screen.
void selectRange(EditorCore& core, std::int64_t first, std::int64_t count);
