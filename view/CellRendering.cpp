// Drawing single cells, the cursor and the selection straight into the panes,
// between repaints.
#include "editor/EditorCore.h"
#include "view/Bookmarking.h"
#include "text/ByteTextCodec.h"
#include "view/RowText.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

struct CellColors {
    ColorRef text;
    ColorRef back;
};

} // namespace

void EditorCore::drawOffsetCell(int screenRow, std::int32_t offset, CellStyle style)
{
    if (shell.surface == nullptr) {
        return;
    }
    // The offset pane's cursor is never the active one.
    const CellColors colors = style == CellStyle::Cursor ? CellColors{backgroundColor, inactiveCursorColor}
                                                         : CellColors{textColor, backgroundColor};
    shell.surface->drawText(Pane::Offset, charWidth, screenRow * lineHeight, rowLabel(*this, rowOf(offset)), colors.text,
                      colors.back);
}

void EditorCore::drawNumberCell(int screenRow, int column, std::int32_t offset, int digit, CellStyle style)
{
    if (shell.surface == nullptr) {
        return;
    }
    const CellColors colors =
        style == CellStyle::Cursor
            ? CellColors{backgroundColor, activePane == hexPaneActive ? activeCursorColor : inactiveCursorColor}
            : CellColors{comparison.cellTextColor(offset), cellBackColor(*this, offset)};
    const int digits = octalMode != 0 ? 3 : 2;
    const int x0 = (digits + 1) * column + 1;
    char text[8];
    cellText(offset, octalMode != 0 ? CellKind::Octal : CellKind::Hex, text);
    const std::string_view number(text, static_cast<std::size_t>(digits)); // without the trailing space
    if (activePane == hexPaneActive) {
        // A digit index left over from the octal view counts as the last digit.
        const int d = std::clamp(digit, 0, digits - 1);
        shell.surface->drawText(Pane::Hex, (x0 + d) * charWidth, screenRow * lineHeight,
                          number.substr(static_cast<std::size_t>(d), 1), colors.text, colors.back);
    } else {
        shell.surface->drawText(Pane::Hex, x0 * charWidth, screenRow * lineHeight, number, colors.text, colors.back);
    }
    if (buffer.marks.has(offset)) {
        drawMarkFrame(*this, Pane::Hex, screenRow, column);
    }
}

void EditorCore::drawCharCell(int screenRow, int column, std::int32_t offset, CellStyle style)
{
    if (shell.surface == nullptr) {
        return;
    }
    const CellColors colors =
        style == CellStyle::Cursor
            ? CellColors{backgroundColor, activePane == asciiPaneActive ? activeCursorColor : inactiveCursorColor}
            : CellColors{comparison.cellTextColor(offset), cellBackColor(*this, offset)};
    char text[8];
    cellText(offset, CellKind::Character, text);
    shell.surface->drawText(Pane::Ascii, (column + 1) * charWidth, screenRow * lineHeight, std::string_view(text, 1),
                      colors.text, colors.back);
    if (buffer.marks.has(offset)) {
        drawMarkFrame(*this, Pane::Ascii, screenRow, column);
    }
}

namespace {

// The cursor's cells in the offset, hex and ASCII panes, in that order, each
// only once its window exists.
void drawCursorCells(EditorCore& core, int screenRow, int column, std::int32_t offset, int digit, CellStyle style)
{
    if (core.shell.surface == nullptr) {
        return;
    }
    if (core.shell.surface->paneExists(Pane::Offset)) {
        core.drawOffsetCell(screenRow, offset, style);
    }
    if (core.shell.surface->paneExists(Pane::Hex)) {
        core.drawNumberCell(screenRow, column, offset, digit, style);
    }
    if (core.shell.surface->paneExists(Pane::Ascii)) {
        core.drawCharCell(screenRow, column, offset, style);
    }
}

} // namespace

void EditorCore::showCursor(int screenRow, int column, std::int32_t offset, int digit)
{
    drawCursorCells(*this, screenRow, column, offset, digit, CellStyle::Cursor);
}

void EditorCore::hideCursor(int screenRow, int column, std::int32_t offset, int digit)
{
    drawCursorCells(*this, screenRow, column, offset, digit, CellStyle::Normal);
}

namespace {

// Draws the selected run of cells, highlighted or as ordinary cells: the
// cursor cell and the selection end, both included, whichever comes first.
void drawSelection(EditorCore& core, bool highlighted)
{
    if (core.shell.surface == nullptr || !core.hasSelection()) {
        return;
    }
    const std::int64_t perRow = core.bytesPerRow;
    const std::int64_t cursorIndex = core.cursorScreenRow * perRow + core.cursorColumn;
    const std::int64_t endIndex = core.selectionEndRow * perRow + core.selectionEndColumn;
    std::int64_t first = cursorIndex;
    std::int64_t last = endIndex;
    std::int64_t firstOffset = core.cursorOffset;
    if (endIndex < cursorIndex) {
        first = endIndex;
        last = cursorIndex;
        firstOffset = core.offsetAt(core.firstVisibleRow + core.selectionEndRow, core.selectionEndColumn);
    }
    // Cells off the screen (the cursor may have scrolled away) would draw nothing.
    const std::int64_t visibleFirst = std::max<std::int64_t>(first, 0);
    const std::int64_t visibleLast = std::min<std::int64_t>(last, (core.pageRows + 1) * perRow - 1);
    const CellKind kind = core.octalMode != 0 ? CellKind::Octal : CellKind::Hex;
    const int cellWidth = core.octalMode != 0 ? octalCellWidth : hexCellWidth;
    char cell[8];
    for (std::int64_t k = visibleFirst; k <= visibleLast; ++k) {
        const int row = static_cast<int>(k / perRow);
        const int column = static_cast<int>(k % perRow);
        const auto offset = static_cast<std::int32_t>(firstOffset + (k - first));
        const ColorRef text = highlighted ? core.backgroundColor : core.comparison.cellTextColor(offset);
        const ColorRef back = highlighted ? core.selectionColor : cellBackColor(core, offset);
        core.cellText(offset, kind, cell);
        std::size_t length = std::strlen(cell);
        // The trailing space fills the gap to the next selected cell on the same row.
        if (k == last || column == core.bytesPerRow - 1) {
            --length;
        }
        const int y = row * core.lineHeight;
        core.shell.surface->drawText(Pane::Hex, (cellWidth * column + 1) * core.charWidth, y,
                               std::string_view(cell, length), text, back);
        core.cellText(offset, CellKind::Character, cell);
        core.shell.surface->drawText(Pane::Ascii, (column + 1) * core.charWidth, y, std::string_view(cell, 1), text,
                               back);
        if (core.buffer.marks.has(offset)) {
            drawMarkFrame(core, Pane::Hex, row, column);
            drawMarkFrame(core, Pane::Ascii, row, column);
        }
    }
}

} // namespace

void EditorCore::highlightSelection()
{
    drawSelection(*this, true);
}

void EditorCore::unhighlightSelection()
{
    drawSelection(*this, false);
}
