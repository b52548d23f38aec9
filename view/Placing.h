#pragma once
// Where the cursor and the view go after the document changed, grew, was
// pasted into or loaded, and for Go to offset.
#include <cstdint>

struct EditorCore;

// The cursor on a changed place without a selection, the view fitted to the
// rows and showing it, repainted later.
void showChangedPlace(EditorCore& core, std::int32_t offset);
// After the document grew: the view fitted to its rows, the scroll bar and
// the offset pane's width following, repainted later.
void showGrownRows(EditorCore& core);
// The cursor just after pasted bytes, the view following it below.
void showPasteEnd(EditorCore& core, std::int32_t after);
// The scroll range and the row labels for a document of another size.
void showNewSize(EditorCore& core);
// Go to offset: the cursor there, the view scrolled to it as for a match;
// false, moving nothing, for an offset outside 0 to the size.
bool goToOffset(EditorCore& core, std::int64_t offset);
