#include "view/Bookmarking.h"

#include "editor/EditorCore.h"
#include "view/Cursor.h"
#include "view/Placing.h"
#include "view/RowText.h"
#include "view/Selection.h"

namespace {

bool moveToBookmark(EditorCore& core, std::int32_t offset)
{
    if (offset < 0) {
        return false;
    }
    const std::int32_t row = core.rowOf(offset);
    if (row < core.firstVisibleRow || row >= core.lastVisibleRow) {
        return goToOffset(core, offset); // brought into view
    }
    if (core.hasSelection()) {
        core.unhighlightSelection();
        forgetSelection(core);
    }
    hideCursorHere(core);
    core.digitIndex = 0;
    setCursorOffset(core, offset);
    showCursorHere(core);
    return true;
}

} // namespace

void toggleBookmark(EditorCore& core)
{
    if (!cursorOnByte(core)) {
        return; // the end position holds no byte to mark
    }
    core.buffer.marks.toggle(core.cursorOffset);
    // Repainted whole: a cell drawn again digit by digit would leave part of a frame behind.
    core.repaint(Repaint::later);
}

bool nextBookmark(EditorCore& core)
{
    return moveToBookmark(core, core.buffer.marks.next(core.cursorOffset));
}

bool previousBookmark(EditorCore& core)
{
    return moveToBookmark(core, core.buffer.marks.previous(core.cursorOffset));
}

void clearBookmarks(EditorCore& core)
{
    if (!core.buffer.marks.empty()) {
        core.buffer.marks.clear();
        core.repaint(Repaint::later);
    }
}

void drawMarkFrame(const EditorCore& core, Pane pane, int screenRow, int column)
{
    ViewSurface* surface = core.shell.surface;
    if (surface == nullptr) {
        return;
    }
    const int y = screenRow * core.lineHeight;
    const int charWidth = core.charWidth;
    if (pane == Pane::Hex) {
        const int digits = core.octalMode != 0 ? 3 : 2;
        surface->drawFrame(Pane::Hex, ((digits + 1) * column + 1) * charWidth, y, digits * charWidth,
                           core.lineHeight, core.activeCursorColor);
    } else if (pane == Pane::Ascii) {
        surface->drawFrame(Pane::Ascii, (column + 1) * charWidth, y, charWidth, core.lineHeight,
                           core.activeCursorColor);
    }
}

void paintMarkFrames(const EditorCore& core, Pane pane)
{
    const Bookmarks& marks = core.buffer.marks;
    if (pane == Pane::Offset || marks.empty()) {
        return;
    }
    const RowRange rows = paintedRows(core);
    for (const std::int32_t mark : marks.within(rows.first * core.bytesPerRow, rows.end * core.bytesPerRow)) {
        const std::int32_t row = core.rowOf(mark);
        drawMarkFrame(core, pane, row - core.firstVisibleRow, mark - row * core.bytesPerRow);
    }
}
