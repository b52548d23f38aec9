#pragma once
// Bookmarks as the commands and the painting use them: set on the cursor's
// byte, stepped through with wrapping, and framed in the active cursor
// colour in both data panes. The marks themselves are the document's.
#include "view/CoreTypes.h"

struct EditorCore;

// The cursor's byte marked, or unmarked when it was; nothing at the end position.
void toggleBookmark(EditorCore& core);
// The cursor to the next or previous mark, wrapping round, brought into
// view; false without marks.
bool nextBookmark(EditorCore& core);
bool previousBookmark(EditorCore& core);
void clearBookmarks(EditorCore& core);

// A marked cell's frame in a data pane, at a screen row and column.
void drawMarkFrame(const EditorCore& core, Pane pane, int screenRow, int column);
// The frames of the marks on the painted rows of a data pane.
void paintMarkFrames(const EditorCore& core, Pane pane);
