// The view model: which rows are on screen, and the moves of the cursor by
// row and byte.
#include "editor/EditorCore.h"
#include "view/Cursor.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int64_t int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t int32Max = std::numeric_limits<std::int32_t>::max();

std::int32_t saturated(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp(value, int32Min, int32Max));
}

// The row lastVisibleRow itself, though not painted, counts as in view.
void bringCursorIntoView(EditorCore& core)
{
    if (core.cursorRow < core.firstVisibleRow || core.cursorRow > core.lastVisibleRow) {
        core.recenterOnCursor();
    }
}

// The view moved by one row under a cursor already at its new offset: its
// screen row follows first, so that the repaint, which draws the cursor,
// already draws it at its new place.
void scrollViewBy(EditorCore& core, int rows)
{
    core.firstVisibleRow += rows;
    core.lastVisibleRow += rows;
    setCursorOffset(core, core.cursorOffset);
    core.repaint(Repaint::now);
}

} // namespace

void EditorCore::scrollToRow(std::int32_t row)
{
    const std::int32_t rows = buffer.rowCount;
    const std::int32_t lastPageTop = std::max(rows - pageRows, 0);
    std::int32_t top = std::max(row, 0);
    if (top >= rows) {
        top = lastPageTop;
    }
    firstVisibleRow = top;
    const std::int64_t end = static_cast<std::int64_t>(top) + pageRows;
    if (end > rows) {
        lastVisibleRow = rows;
        firstVisibleRow = lastPageTop;
    } else {
        lastVisibleRow = static_cast<std::int32_t>(end);
    }
    cursorRow = top;
}

void EditorCore::recenterOnCursor()
{
    firstVisibleRow = rowOf(cursorOffset);
    lastVisibleRow = saturated(static_cast<std::int64_t>(firstVisibleRow) + pageRows);
    setCursorOffset(*this, cursorOffset);
    repaint(Repaint::now);
}

void EditorCore::moveUp()
{
    bringCursorIntoView(*this);
    if (cursorRow <= 0) {
        return;
    }
    hideCursorHere(*this);
    const bool onTopRow = cursorRow == firstVisibleRow;
    setCursorOffset(*this, cursorOffset - bytesPerRow);
    if (onTopRow) {
        scrollViewBy(*this, -1);
    }
    showCursorHere(*this);
}

void EditorCore::moveDown()
{
    bringCursorIntoView(*this);
    if (cursorRow >= lastVisibleRow || cursorRow >= buffer.rowCount - 1) {
        return;
    }
    hideCursorHere(*this);
    const bool onBottomRow = cursorRow == lastVisibleRow - 1;
    // Onto a short last row this passes the size: the cursor then stands past the end.
    setCursorOffset(*this, saturated(static_cast<std::int64_t>(cursorOffset) + bytesPerRow));
    if (onBottomRow) {
        scrollViewBy(*this, 1);
    }
    showCursorHere(*this);
}

void EditorCore::moveLeft()
{
    bringCursorIntoView(*this);
    if (cursorOffset <= 0) {
        digitIndex = 0;
        showCursorHere(*this);
        return;
    }
    hideCursorHere(*this);
    setCursorOffset(*this, cursorOffset - 1);
    if (cursorRow < firstVisibleRow) {
        scrollViewBy(*this, -1); // its painting draws the cursor
        return;
    }
    showCursorHere(*this);
}

void EditorCore::moveRight()
{
    bringCursorIntoView(*this);
    if (cursorOffset >= buffer.size) {
        // The end position, or past it: no further.
        if (activePane == hexPaneActive) {
            digitIndex = lastDigit(*this);
        }
        showCursorHere(*this);
        return;
    }
    hideCursorHere(*this);
    // From the bottom right cell the view follows by one row.
    const bool leavesTheView = cursorRow == lastVisibleRow - 1 && cursorColumn == bytesPerRow - 1;
    setCursorOffset(*this, cursorOffset + 1);
    if (leavesTheView) {
        scrollViewBy(*this, 1); // its painting draws the cursor
        return;
    }
    showCursorHere(*this);
}
