// What the panes paint: which rows, each row's text, and the cursor and the
// selection drawn over them.
#include "view/RowText.h"

#include <algorithm>
#include <cstdio>

#include "editor/EditorCore.h"
#include "view/Bookmarking.h"
#include "text/ByteTextCodec.h"
#include "view/Cursor.h"

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

std::string rowLabel(const EditorCore& core, std::int32_t row)
{
    char label[16]; // eight hexadecimal digits at most
    // As wide as the pane is laid out for, so that the labels line up.
    const int length = std::snprintf(label, sizeof label, "%*X", static_cast<int>(core.layout.offsetDigits()),
                                     static_cast<unsigned>(row) * static_cast<unsigned>(core.bytesPerRow));
    // snprintf counts what a wider layout would have needed; only what it wrote is kept.
    return std::string(label, static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(sizeof label) - 1)));
}

RowRange paintedRows(const EditorCore& core)
{
    RowRange rows;
    rows.first = std::max(core.firstVisibleRow, 0);
    rows.end = std::max(std::min(core.lastVisibleRow, core.buffer.rowCount), rows.first);
    return rows;
}

std::string rowText(const EditorCore& core, Pane pane, std::int32_t row)
{
    if (pane == Pane::Offset) {
        return rowLabel(core, row);
    }
    const auto [first, count] = rowSpan(core, row);
    const auto perRow = static_cast<std::size_t>(core.bytesPerRow);
    if (pane == Pane::Ascii) {
        // Cells past the data stay blank.
        std::string text(perRow, ' ');
        for (int i = 0; i < count; ++i) {
            text[static_cast<std::size_t>(i)] = characterForm(core.buffer.byteAt(first + i));
        }
        return text;
    }
    const bool octal = core.octalMode != 0;
    const int cellWidth = octal ? octalCellWidth : hexCellWidth;
    const ByteSpan bytes = core.buffer.span(first, count);
    std::string text = bytes.empty() ? std::string() : numberText(bytes.bytes, bytes.count, octal);
    text.resize(static_cast<std::size_t>(cellWidth) * perRow, ' '); // cells past the data stay blank
    return text;
}

ColorRef cellBackColor(const EditorCore& core, std::int64_t offset)
{
    if (core.fieldTints == nullptr || offset < 0 || offset >= core.buffer.size) {
        return core.backgroundColor;
    }
    const auto hue = core.fieldTints->tintAt(static_cast<std::uint64_t>(offset));
    return hue ? tintOver(core.backgroundColor, *hue) : core.backgroundColor;
}

std::vector<BackRun> rowBackRuns(const EditorCore& core, Pane pane, std::int32_t row)
{
    if (pane == Pane::Offset) {
        return {{0, static_cast<int>(rowLabel(core, row).size()), core.backgroundColor}};
    }
    const int cellWidth = pane == Pane::Ascii ? 1 : core.octalMode != 0 ? octalCellWidth : hexCellWidth;
    const int textLength = cellWidth * core.bytesPerRow;
    if (core.fieldTints == nullptr) {
        return {{0, textLength, core.backgroundColor}};
    }
    std::vector<BackRun> runs;
    // Cells from `cell` on take `color`, up to the next run.
    const auto addRun = [&runs, cellWidth](int cell, ColorRef color) {
        if (!runs.empty() && runs.back().color == color) {
            return;
        }
        if (!runs.empty()) {
            runs.back().length = cell * cellWidth - runs.back().first;
        }
        runs.push_back({cell * cellWidth, 0, color});
    };
    const auto [first, count] = rowSpan(core, row);
    const auto start = static_cast<std::uint64_t>(first);
    for (int cell = 0; cell < count;) {
        const std::uint64_t at = start + static_cast<std::uint64_t>(cell);
        const TintRun tint = core.fieldTints->tintRunAt(at);
        addRun(cell, tint.tint ? tintOver(core.backgroundColor, *tint.tint) : core.backgroundColor);
        cell = static_cast<int>(std::clamp(tint.end, at + 1, start + static_cast<std::uint64_t>(count)) - start);
    }
    if (count < core.bytesPerRow) {
        addRun(count, core.backgroundColor); // cells past the data
    }
    runs.back().length = textLength - runs.back().first;
    return runs;
}

void paintCursorAndSelection(EditorCore& core, Pane pane)
{
    core.comparison.paintDifferences(pane);
    paintMarkFrames(core, pane);
    if (core.firstVisibleRow <= core.cursorRow && core.cursorRow < core.lastVisibleRow) {
        showCursorHere(core);
    }
    if (pane != Pane::Offset && core.hasSelection()) {
        core.highlightSelection();
    }
}
