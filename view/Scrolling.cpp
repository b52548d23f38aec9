// Scrolling the view: the frame's scroll-bar requests, the wheel, and putting
// the cursor's row on screen after a new window, Open, Find and Paste.
#include "view/Scrolling.h"

#include <algorithm>

#include "editor/EditorCore.h"
#include "editor/ScrollBar.h"
#include "view/Cursor.h"

namespace {

void setThumb(EditorCore& core, int position)
{
    if (core.shell.surface != nullptr) {
        core.shell.surface->setScrollPosition(position);
    }
}

// The view `rows` further down (up when negative); the thumb follows its top row.
int shiftView(EditorCore& core, std::int32_t rows)
{
    core.firstVisibleRow += rows;
    core.lastVisibleRow += rows;
    return EditorCore::scrollPosForRow(core.firstVisibleRow, core.buffer.rowCount);
}

// The last page, or every row when they fit on one.
void showLastPage(EditorCore& core)
{
    core.lastVisibleRow = core.buffer.rowCount;
    core.firstVisibleRow = std::max(0, core.buffer.rowCount - core.pageRows);
}

} // namespace

void showRowsFrom(EditorCore& core, std::int32_t row)
{
    core.scrollToRow(row);
    setCursorOffset(core, core.cursorOffset); // scrollToRow set cursorRow alone
}

bool scroll(EditorCore& core, ScrollRequest request, int thumbPosition)
{
    const std::int32_t rows = core.buffer.rowCount;
    int position = 0;
    std::int32_t cursor = core.cursorOffset; // top and bottom take the cursor along
    switch (request) {
    case ScrollRequest::lineUp:
        if (core.firstVisibleRow <= 0) {
            return false;
        }
        position = shiftView(core, -1);
        break;
    case ScrollRequest::lineDown:
        if (core.lastVisibleRow >= rows) {
            return false;
        }
        position = shiftView(core, 1);
        break;
    case ScrollRequest::pageUp:
        // A whole page or nothing.
        if (core.firstVisibleRow - core.pageRows <= 0) {
            return false;
        }
        position = shiftView(core, -core.pageRows);
        break;
    case ScrollRequest::pageDown:
        if (static_cast<std::int64_t>(core.lastVisibleRow) + core.pageRows >= rows) {
            return false;
        }
        position = shiftView(core, core.pageRows);
        break;
    case ScrollRequest::thumbPosition:
        return true; // the thumb stays where tracking left it; the view is there already
    case ScrollRequest::thumbTrack:
        position = thumbPosition;
        core.firstVisibleRow = rowForScrollPos(thumbPosition, rows);
        core.lastVisibleRow = core.firstVisibleRow + core.pageRows;
        if (core.lastVisibleRow > rows) {
            showLastPage(core);
        }
        break;
    case ScrollRequest::top:
        position = 0;
        core.firstVisibleRow = 0;
        core.lastVisibleRow = std::min(core.pageRows, rows);
        core.digitIndex = 0;
        cursor = 0;
        break;
    case ScrollRequest::bottom:
        position = EditorCore::scrollPosForRow(rows, rows);
        showLastPage(core);
        core.digitIndex = 0;
        cursor = std::max(0, core.buffer.size); // the end position
        break;
    }
    // Otherwise the cursor stays on its byte and moves with it, off the screen if need be.
    setCursorOffset(core, cursor);
    setThumb(core, position);
    core.repaint(Repaint::later);
    return true;
}

void turnWheel(EditorCore& core, int delta, int linesPerNotch)
{
    if (linesPerNotch <= 0) {
        return; // the wheel set to scroll nothing
    }
    const int rows = core.wheel.takeRows(delta, linesPerNotch);
    // Forward, away from the user, scrolls towards the start.
    const ScrollRequest step = rows > 0 ? ScrollRequest::lineUp : ScrollRequest::lineDown;
    for (int i = 0; i < (rows > 0 ? rows : -rows); ++i) {
        if (!scroll(core, step, 0)) {
            core.wheel.stop();
            break;
        }
    }
}

void showCursorFromTop(EditorCore& core)
{
    const std::int32_t row = core.rowOf(core.cursorOffset);
    showRowsFrom(core, row < core.pageRows ? 0 : row);
}

void scrollCursorToTop(EditorCore& core)
{
    showRowsFrom(core, core.rowOf(core.cursorOffset));
    setThumb(core, EditorCore::scrollPosForRow(core.firstVisibleRow, core.buffer.rowCount));
    core.repaint(Repaint::later);
}
