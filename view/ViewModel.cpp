// The view model: where the cursor stands, which rows are on screen, and the
// moves of the cursor by row, byte and digit.
#include "editor/EditorCore.h"

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
    core.setCursorOffset(core.cursorOffset);
    core.repaint(Repaint::now);
}

} // namespace

void EditorCore::setCursorOffset(std::int32_t offset)
{
    cursorOffset = offset;
    // Plain division keeps offset = row * bytesPerRow + column also for a
    // cursor past the end, whose row may lie beyond the last one.
    cursorRow = offset / bytesPerRow;
    cursorColumn = offset % bytesPerRow;
    cursorScreenRow = saturated(static_cast<std::int64_t>(cursorRow) - firstVisibleRow);
}

void EditorCore::clearSelection()
{
    selectionEndRow = -1;
    selectionEndColumn = -1;
}

void EditorCore::hideSelection()
{
    if (hasSelection()) {
        unhighlightSelection();
        clearSelection();
    }
}

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

void EditorCore::showRowsFrom(std::int32_t row)
{
    scrollToRow(row);
    setCursorOffset(cursorOffset); // scrollToRow set cursorRow alone
}

void EditorCore::recenterOnCursor()
{
    firstVisibleRow = rowOf(cursorOffset);
    lastVisibleRow = saturated(static_cast<std::int64_t>(firstVisibleRow) + pageRows);
    setCursorOffset(cursorOffset);
    repaint(Repaint::now);
}

void EditorCore::moveUp()
{
    bringCursorIntoView(*this);
    if (cursorRow <= 0) {
        return;
    }
    hideCursorHere();
    const bool onTopRow = cursorRow == firstVisibleRow;
    setCursorOffset(cursorOffset - bytesPerRow);
    if (onTopRow) {
        scrollViewBy(*this, -1);
    }
    showCursorHere();
}

void EditorCore::moveDown()
{
    bringCursorIntoView(*this);
    if (cursorRow >= lastVisibleRow || cursorRow >= buffer.rowCount - 1) {
        return;
    }
    hideCursorHere();
    const bool onBottomRow = cursorRow == lastVisibleRow - 1;
    // Onto a short last row this passes the size: the cursor then stands past the end.
    setCursorOffset(saturated(static_cast<std::int64_t>(cursorOffset) + bytesPerRow));
    if (onBottomRow) {
        scrollViewBy(*this, 1);
    }
    showCursorHere();
}

void EditorCore::moveLeft()
{
    bringCursorIntoView(*this);
    if (cursorOffset <= 0) {
        digitIndex = 0;
        showCursorHere();
        return;
    }
    hideCursorHere();
    setCursorOffset(cursorOffset - 1);
    if (cursorRow < firstVisibleRow) {
        scrollViewBy(*this, -1); // its painting draws the cursor
        return;
    }
    showCursorHere();
}

void EditorCore::moveRight()
{
    bringCursorIntoView(*this);
    if (cursorOffset >= buffer.size) {
        // The end position, or past it: no further.
        if (activePane == hexPaneActive) {
            digitIndex = lastDigit();
        }
        showCursorHere();
        return;
    }
    hideCursorHere();
    // From the bottom right cell the view follows by one row.
    const bool leavesTheView = cursorRow == lastVisibleRow - 1 && cursorColumn == bytesPerRow - 1;
    setCursorOffset(cursorOffset + 1);
    if (leavesTheView) {
        scrollViewBy(*this, 1); // its painting draws the cursor
        return;
    }
    showCursorHere();
}

int EditorCore::lastDigit() const
{
    return octalMode != 0 ? 2 : 1;
}

void EditorCore::moveLeftByDigit()
{
    if (activePane != hexPaneActive) {
        moveLeft();
    } else if (digitIndex > 0) {
        hideCursorHere();
        --digitIndex;
        showCursorHere();
    } else {
        hideCursorHere();
        digitIndex = lastDigit();
        moveLeft();
    }
}

void EditorCore::moveRightByDigit()
{
    hideCursorHere();
    if (activePane == hexPaneActive && digitIndex < lastDigit()) {
        ++digitIndex;
        showCursorHere();
    } else {
        digitIndex = 0;
        moveRight();
    }
}

void EditorCore::switchActivePane(std::int32_t pane)
{
    hideCursorHere();
    activePane = pane;
    showCursorHere();
    if (shell.surface != nullptr) {
        shell.surface->focusPane(pane == asciiPaneActive ? Pane::Ascii : Pane::Hex);
    }
}
