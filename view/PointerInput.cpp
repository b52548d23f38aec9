// The mouse in the data panes: a point to its cell, clicks that place the
// cursor, and drags that move the selection's far end.
#include "view/PointerInput.h"

#include <algorithm>

#include "editor/EditorCore.h"
#include "text/ByteTextCodec.h"
#include "view/Cursor.h"
#include "view/Selection.h"

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

CellMapping mappingFor(const EditorCore& core, Pane pane)
{
    if (pane == Pane::Ascii) {
        return CellMapping::Characters;
    }
    return core.octalMode != 0 ? CellMapping::OctalView : CellMapping::HexView;
}

void clickAt(EditorCore& core, Pane pane, int x, int y)
{
    const ScreenCell cell = core.cellAtPoint(x, y, mappingFor(core, pane));
    // A click in the ASCII pane keeps the selection's far end.
    if (pane == Pane::Hex) {
        forgetSelection(core);
    }
    // Past the last byte the offset stops at the size: the end position.
    setCursorOffset(core, std::max(core.offsetAt(core.firstVisibleRow + cell.row, cell.column), 0));
    paneTookFocus(core, pane);
    if (core.shell.surface != nullptr) {
        core.shell.surface->focusPane(pane);
    }
    core.repaint(Repaint::now);
}

void dragTo(EditorCore& core, Pane pane, int x, int y)
{
    const ScreenCell cell = core.cellAtPoint(x, y, mappingFor(core, pane));
    if (cell.row == core.selectionEndRow && cell.column == core.selectionEndColumn) {
        return;
    }
    if (core.hasSelection()) {
        core.unhighlightSelection();
    }
    core.selectionEndRow = cell.row;
    core.selectionEndColumn = cell.column;
    core.highlightSelection();
}
