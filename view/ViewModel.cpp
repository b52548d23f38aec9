// The view model: where the cursor stands, which rows are on screen, and the
// two edits that move bytes around (deleting the selection, inserting zeros).
#include "editor/EditorCore.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr std::int64_t int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t int32Max = std::numeric_limits<std::int32_t>::max();

std::int32_t saturated(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp(value, int32Min, int32Max));
}

void repaint(EditorCore& core)
{
    if (core.surface != nullptr) {
        core.surface->repaintPanes();
    }
}

// After the size changed: the range follows the row count, the thumb the cursor's row.
void updateScrollBar(EditorCore& core)
{
    core.updateScrollRange();
    if (core.surface != nullptr) {
        core.surface->setScrollPosition(EditorCore::scrollPosForRow(core.cursorRow, core.buffer.rowCount));
    }
}

// The row lastVisibleRow itself, though not painted, counts as in view.
void bringCursorIntoView(EditorCore& core)
{
    if (core.cursorRow < core.firstVisibleRow || core.cursorRow > core.lastVisibleRow) {
        core.recenterOnCursor();
    }
}

// The view moved by one row: the cursor's fields are set first, so that the
// repaint, which draws the cursor, already draws it at its new place.
void scrollViewBy(EditorCore& core, int rows)
{
    core.firstVisibleRow += rows;
    core.lastVisibleRow += rows;
    core.cursorScreenRow = core.cursorRow - core.firstVisibleRow;
    repaint(core);
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
    // Plain division keeps offset = row * bytesPerRow + column also for a
    // cursor past the end, whose row may lie beyond the last one.
    cursorRow = cursorOffset / bytesPerRow;
    cursorColumn = cursorOffset % bytesPerRow;
    firstVisibleRow = cursorRow;
    lastVisibleRow = saturated(static_cast<std::int64_t>(cursorRow) + pageRows);
    cursorScreenRow = 0;
    repaint(*this);
}

ScreenCell EditorCore::cellAtPoint(int x, int y, CellMapping mapping) const
{
    ScreenCell cell;
    if (lineHeight <= 0 || charWidth <= 0) {
        return cell; // no font measured yet
    }
    std::int64_t row = y / lineHeight;
    std::int64_t column = 0;
    switch (mapping) {
    case CellMapping::HexView:
        column = x / (3 * static_cast<std::int64_t>(charWidth));
        break;
    case CellMapping::OctalView:
        column = x / (4 * static_cast<std::int64_t>(charWidth));
        break;
    case CellMapping::Characters:
        column = x / charWidth - 1;
        break;
    }
    column = std::clamp<std::int64_t>(column, 0, bytesPerRow - 1);
    if (row >= lastVisibleRow) {
        row = static_cast<std::int64_t>(lastVisibleRow) - 1;
    }
    // A point above the pane, or any point of an empty view, must not give a
    // negative row: -1 would read as "no selection" and a negative offset.
    row = std::max<std::int64_t>(row, 0);
    cell.row = static_cast<int>(row);
    cell.column = static_cast<int>(column);
    return cell;
}

void EditorCore::moveUp()
{
    bringCursorIntoView(*this);
    if (cursorRow <= 0) {
        return;
    }
    hideCursorHere();
    const bool onTopRow = cursorRow == firstVisibleRow;
    --cursorRow;
    cursorOffset -= bytesPerRow;
    if (onTopRow) {
        scrollViewBy(*this, -1);
    } else {
        cursorScreenRow = cursorRow - firstVisibleRow;
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
    ++cursorRow;
    // Onto a short last row this passes the size: the cursor then stands past the end.
    cursorOffset = saturated(static_cast<std::int64_t>(cursorOffset) + bytesPerRow);
    if (onBottomRow) {
        scrollViewBy(*this, 1);
    } else {
        cursorScreenRow = cursorRow - firstVisibleRow;
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
    --cursorOffset;
    if (cursorColumn > 0) {
        --cursorColumn;
    } else {
        --cursorRow;
        cursorColumn = bytesPerRow - 1;
        if (cursorRow < firstVisibleRow) {
            scrollViewBy(*this, -1); // its painting draws the cursor
            return;
        }
    }
    cursorScreenRow = cursorRow - firstVisibleRow;
    showCursorHere();
}

void EditorCore::moveRight()
{
    bringCursorIntoView(*this);
    if (cursorOffset >= buffer.size) {
        // The end position, or past it: no further.
        if (activePane == 0) {
            digitIndex = octalMode != 0 ? 2 : 1;
        }
        showCursorHere();
        return;
    }
    hideCursorHere();
    ++cursorOffset;
    if (cursorColumn < bytesPerRow - 1) {
        ++cursorColumn;
    } else {
        const bool onBottomRow = cursorRow == lastVisibleRow - 1;
        ++cursorRow;
        cursorColumn = 0;
        if (onBottomRow) {
            scrollViewBy(*this, 1); // its painting draws the cursor
            return;
        }
    }
    cursorScreenRow = cursorRow - firstVisibleRow;
    showCursorHere();
}

void EditorCore::deleteSelection()
{
    if (!hasSelection()) {
        return;
    }
    const std::int32_t size = buffer.size;
    const std::int64_t endRow = static_cast<std::int64_t>(firstVisibleRow) + selectionEndRow;
    const std::int64_t a = cursorOffset;
    const std::int64_t b = offsetAt(saturated(endRow), selectionEndColumn);
    const std::int64_t lo = std::max<std::int64_t>(std::min(a, b), 0);
    // The end position holds no byte.
    const std::int64_t hi = std::min<std::int64_t>(std::max(a, b), static_cast<std::int64_t>(size) - 1);
    if (hi >= lo && buffer.data.held() && size <= buffer.capacity()) {
        const std::int64_t removed = hi - lo + 1;
        std::uint8_t* bytes = buffer.data.get();
        std::memmove(bytes + lo, bytes + hi + 1, static_cast<std::size_t>(size - hi - 1));
        // The spare room past the data stays zero.
        std::memset(bytes + (size - removed), 0, static_cast<std::size_t>(removed));
        buffer.setSize(static_cast<std::int32_t>(size - removed));
    }

    // One byte back from where the cursor stood, whatever was removed.
    if (cursorOffset <= 0) {
        cursorOffset = 0;
        cursorScreenRow = 0;
        cursorRow = 0;
        cursorColumn = 0;
    } else {
        --cursorOffset;
        if (cursorColumn > 0) {
            --cursorColumn;
        } else {
            cursorColumn = bytesPerRow - 1;
            --cursorRow;
        }
        cursorScreenRow = cursorRow - firstVisibleRow;
        if (cursorScreenRow < 0) {
            recenterOnCursor();
        }
    }
    updateScrollBar(*this);
}

bool EditorCore::insertZeros(std::int32_t count)
{
    const std::int32_t size = buffer.size;
    if (count < 1 || size < 0) {
        return false;
    }
    const std::int64_t newSize = static_cast<std::int64_t>(size) + count;
    if (newSize > FileBuffer::maxSize) {
        return false;
    }
    // Keep the spare room a load gives, growing by a step so that a run of
    // small insertions does not reallocate every time.
    const std::int64_t needed = FileBuffer::capacityFor(static_cast<std::int32_t>(newSize), bytesPerRow);
    const std::int64_t held = buffer.capacity();
    if (held < needed) {
        const std::int64_t stepped = std::min(std::max(needed, held + held / 8),
                                              FileBuffer::capacityFor(FileBuffer::maxSize, bytesPerRow));
        if (!buffer.reserve(stepped) && !buffer.reserve(needed)) {
            return false;
        }
    }
    // A cursor past the end appends: everything between is zero already.
    const std::int64_t at = std::clamp<std::int64_t>(cursorOffset, 0, size);
    std::uint8_t* bytes = buffer.data.get();
    std::memmove(bytes + at + count, bytes + at, static_cast<std::size_t>(size - at));
    std::memset(bytes + at, 0, static_cast<std::size_t>(count));
    buffer.setSize(static_cast<std::int32_t>(newSize));
    updateScrollBar(*this);
    return true;
}
