// Bookmarks: set on the cursor's byte, stepped through with wrapping, and
// framed in the active cursor colour in both data panes.
#include "editor/EditorCore.h"
#include "view/Cursor.h"
#include "view/Placing.h"
#include "view/RowText.h"
#include "view/Selection.h"

void EditorCore::toggleBookmark()
{
    if (!cursorOnByte(*this)) {
        return; // the end position holds no byte to mark
    }
    buffer.marks.toggle(cursorOffset);
    // Repainted whole: a cell drawn again digit by digit would leave part of a frame behind.
    repaint(Repaint::later);
}

bool EditorCore::nextBookmark()
{
    return moveToBookmark(buffer.marks.next(cursorOffset));
}

bool EditorCore::previousBookmark()
{
    return moveToBookmark(buffer.marks.previous(cursorOffset));
}

void EditorCore::clearBookmarks()
{
    if (!buffer.marks.empty()) {
        buffer.marks.clear();
        repaint(Repaint::later);
    }
}

bool EditorCore::moveToBookmark(std::int32_t offset)
{
    if (offset < 0) {
        return false;
    }
    const std::int32_t row = rowOf(offset);
    if (row < firstVisibleRow || row >= lastVisibleRow) {
        return goToOffset(*this, offset); // brought into view
    }
    if (hasSelection()) {
        unhighlightSelection();
        clearSelection(*this);
    }
    hideCursorHere(*this);
    digitIndex = 0;
    setCursorOffset(*this, offset);
    showCursorHere(*this);
    return true;
}

void EditorCore::drawMarkFrame(Pane pane, int screenRow, int column)
{
    if (shell.surface == nullptr) {
        return;
    }
    const int y = screenRow * lineHeight;
    if (pane == Pane::Hex) {
        const int digits = octalMode != 0 ? 3 : 2;
        shell.surface->drawFrame(Pane::Hex, ((digits + 1) * column + 1) * charWidth, y, digits * charWidth, lineHeight,
                           activeCursorColor);
    } else if (pane == Pane::Ascii) {
        shell.surface->drawFrame(Pane::Ascii, (column + 1) * charWidth, y, charWidth, lineHeight, activeCursorColor);
    }
}

void EditorCore::paintMarkFrames(Pane pane)
{
    if (pane == Pane::Offset || buffer.marks.empty()) {
        return;
    }
    const RowRange rows = paintedRows(*this);
    for (const std::int32_t mark : buffer.marks.within(rows.first * bytesPerRow, rows.end * bytesPerRow)) {
        const std::int32_t row = rowOf(mark);
        drawMarkFrame(pane, row - firstVisibleRow, mark - row * bytesPerRow);
    }
}
