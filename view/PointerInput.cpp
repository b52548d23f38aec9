// The mouse in the data panes: a point to its cell, clicks that place the
// cursor, and drags that move the selection's far end.
#include "editor/EditorCore.h"
#include "view/ByteTextCodec.h"

#include <algorithm>

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
        column = x / (hexCellWidth * static_cast<std::int64_t>(charWidth));
        break;
    case CellMapping::OctalView:
        column = x / (octalCellWidth * static_cast<std::int64_t>(charWidth));
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

CellMapping EditorCore::mappingFor(Pane pane) const
{
    if (pane == Pane::Ascii) {
        return CellMapping::Characters;
    }
    return octalMode != 0 ? CellMapping::OctalView : CellMapping::HexView;
}

void EditorCore::clickAt(Pane pane, int x, int y)
{
    const ScreenCell cell = cellAtPoint(x, y, mappingFor(pane));
    // A click in the ASCII pane keeps the selection's far end.
    if (pane == Pane::Hex) {
        clearSelection();
    }
    // Past the last byte the offset stops at the size: the end position.
    setCursorOffset(std::max(offsetAt(firstVisibleRow + cell.row, cell.column), 0));
    activePane = pane == Pane::Ascii ? asciiPaneActive : hexPaneActive;
    if (shell.surface != nullptr) {
        shell.surface->focusPane(pane);
    }
    repaint(Repaint::now);
}

void EditorCore::dragTo(Pane pane, int x, int y)
{
    const ScreenCell cell = cellAtPoint(x, y, mappingFor(pane));
    if (cell.row == selectionEndRow && cell.column == selectionEndColumn) {
        return;
    }
    if (hasSelection()) {
        unhighlightSelection();
    }
    selectionEndRow = cell.row;
    selectionEndColumn = cell.column;
    highlightSelection();
}
