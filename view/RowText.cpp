// What the panes paint: which rows, each row's text, and the cursor and the
// selection drawn over them.
#include "editor/EditorCore.h"
#include "view/Bookmarking.h"
#include "view/ByteTextCodec.h"

#include <algorithm>

namespace {

// The bytes a row shows: from its first offset, up to a row's worth, stopping
// at the data size (a short last row, or none past the data).
struct RowSpan {
    std::int32_t first;
    int count;
};

RowSpan rowSpan(const EditorCore& core, std::int32_t row)
{
    if (row < 0) {
        return {0, 0};
    }
    const std::int32_t first = core.offsetAt(row, 0);
    const auto count = static_cast<int>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(core.buffer.size) - first, 0, core.bytesPerRow));
    return {first, count};
}

} // namespace

RowRange EditorCore::paintedRows() const
{
    RowRange rows;
    rows.first = std::max(firstVisibleRow, 0);
    rows.end = std::max(std::min(lastVisibleRow, buffer.rowCount), rows.first);
    return rows;
}

std::string EditorCore::rowText(Pane pane, std::int32_t row) const
{
    if (pane == Pane::Offset) {
        return rowLabel(row);
    }
    const auto [first, count] = rowSpan(*this, row);
    const auto perRow = static_cast<std::size_t>(bytesPerRow);
    if (pane == Pane::Ascii) {
        // Cells past the data stay blank.
        std::string text(perRow, ' ');
        for (int i = 0; i < count; ++i) {
            text[static_cast<std::size_t>(i)] = characterForm(buffer.byteAt(first + i));
        }
        return text;
    }
    const int cellWidth = octalMode != 0 ? octalCellWidth : hexCellWidth;
    std::string text = count > 0 ? numberText(buffer.data.get() + first, static_cast<std::size_t>(count), octalMode != 0)
                                 : std::string();
    text.resize(static_cast<std::size_t>(cellWidth) * perRow, ' '); // cells past the data stay blank
    return text;
}

void EditorCore::paintCursorAndSelection(Pane pane)
{
    comparison.paintDifferences(pane);
    paintMarkFrames(*this, pane);
    if (firstVisibleRow <= cursorRow && cursorRow < lastVisibleRow) {
        showCursorHere();
    }
    if (pane != Pane::Offset && hasSelection()) {
        highlightSelection();
    }
}
