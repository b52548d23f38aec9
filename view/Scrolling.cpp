// Scrolling the view: the frame's scroll-bar requests, and putting the
// cursor's row on screen after a new window, Open, Find and Paste.
#include "editor/EditorCore.h"

#include <algorithm>

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

bool EditorCore::scroll(ScrollRequest request, int thumbPosition)
{
    const std::int32_t rows = buffer.rowCount;
    int position = 0;
    std::int32_t cursor = cursorOffset; // top and bottom take the cursor along
    switch (request) {
    case ScrollRequest::lineUp:
        if (firstVisibleRow <= 0) {
            return false;
        }
        position = shiftView(*this, -1);
        break;
    case ScrollRequest::lineDown:
        if (lastVisibleRow >= rows) {
            return false;
        }
        position = shiftView(*this, 1);
        break;
    case ScrollRequest::pageUp:
        // A whole page or nothing.
        if (firstVisibleRow - pageRows <= 0) {
            return false;
        }
        position = shiftView(*this, -pageRows);
        break;
    case ScrollRequest::pageDown:
        if (static_cast<std::int64_t>(lastVisibleRow) + pageRows >= rows) {
            return false;
        }
        position = shiftView(*this, pageRows);
        break;
    case ScrollRequest::thumbPosition:
        return true; // the thumb stays where tracking left it; the view is there already
    case ScrollRequest::thumbTrack:
        position = thumbPosition;
        firstVisibleRow = rowForScrollPos(thumbPosition, rows);
        lastVisibleRow = firstVisibleRow + pageRows;
        if (lastVisibleRow > rows) {
            showLastPage(*this);
        }
        break;
    case ScrollRequest::top:
        position = 0;
        firstVisibleRow = 0;
        lastVisibleRow = std::min(pageRows, rows);
        digitIndex = 0;
        cursor = 0;
        break;
    case ScrollRequest::bottom:
        position = scrollPosForRow(rows, rows);
        showLastPage(*this);
        digitIndex = 0;
        cursor = std::max(0, buffer.size); // the end position
        break;
    }
    // Otherwise the cursor stays on its byte and moves with it, off the screen if need be.
    setCursorOffset(cursor);
    setThumb(*this, position);
    repaint(Repaint::later);
    return true;
}

void EditorCore::showCursorFromTop()
{
    const std::int32_t row = rowOf(cursorOffset);
    showRowsFrom(row < pageRows ? 0 : row);
}

void EditorCore::scrollCursorToTop()
{
    showRowsFrom(rowOf(cursorOffset));
    setThumb(*this, scrollPosForRow(firstVisibleRow, buffer.rowCount));
    repaint(Repaint::later);
}

void EditorCore::wheel(int delta, int linesPerNotch)
{
    if (linesPerNotch <= 0) {
        return; // the wheel set to scroll nothing
    }
    wheelTurn += delta * linesPerNotch;
    const int lines = wheelTurn / wheelNotch;
    wheelTurn -= lines * wheelNotch;
    // Forward, away from the user, scrolls towards the start.
    const ScrollRequest step = lines > 0 ? ScrollRequest::lineUp : ScrollRequest::lineDown;
    for (int i = 0; i < (lines > 0 ? lines : -lines); ++i) {
        if (!scroll(step, 0)) {
            wheelTurn = 0; // at an end: what is left of the turn goes nowhere
            break;
        }
    }
}
