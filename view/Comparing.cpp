// The document against another file's bytes as they were read: which cells
// differ, what the comparison found, and stepping through the runs. Edits
// are compared as they are made, since nothing is kept but the other bytes.
#include "document/Differences.h"
#include "editor/EditorCore.h"
#include "editor/StatusLine.h"
#include "view/ByteTextCodec.h"
#include "view/RowText.h"
#include "view/Selection.h"

#include <algorithm>
#include <cstring>

namespace {

bool differs(const EditorCore& core, std::int64_t offset)
{
    const FileBuffer& other = core.comparison.other();
    return differsAt(core.buffer.data.get(), core.buffer.size, other.data.get(), other.size, offset);
}

} // namespace

ColorRef EditorCore::cellTextColor(std::int32_t offset) const
{
    return comparing() && differs(*this, offset) ? differenceColor : textColor;
}

void EditorCore::paintDifferences(Pane pane)
{
    if (pane == Pane::Offset || !comparing() || shell.surface == nullptr) {
        return;
    }
    const FileBuffer& other = comparison.other();
    const RowRange rows = paintedRows(*this);
    const int cellWidth = pane == Pane::Ascii ? 1 : octalMode != 0 ? octalCellWidth : hexCellWidth;
    for (std::int32_t row = rows.first; row < rows.end; ++row) {
        const std::int32_t first = offsetAt(row, 0);
        const std::int32_t count = std::min(bytesPerRow, buffer.size - first);
        // Most rows are equal: one comparison of the row says so.
        if (count <= 0 || (first + count <= other.size &&
                           std::memcmp(buffer.data.get() + first, other.data.get() + first,
                                       static_cast<std::size_t>(count)) == 0)) {
            continue;
        }
        const std::string text = rowText(*this, pane, row);
        const int y = (row - firstVisibleRow) * lineHeight;
        // Each run of differing cells is drawn in one piece, without the last cell's trailing space.
        for (int column = 0; column < count;) {
            if (!differs(*this, first + column)) {
                ++column;
                continue;
            }
            const int runStart = column;
            while (column < count && differs(*this, first + column)) {
                ++column;
            }
            const int gap = pane == Pane::Ascii ? 0 : 1;
            const auto from = static_cast<std::size_t>(cellWidth * runStart);
            const auto length = static_cast<std::size_t>(cellWidth * (column - runStart) - gap);
            shell.surface->drawText(pane, (cellWidth * runStart + 1) * charWidth, y, std::string_view(text).substr(from, length),
                              differenceColor, backgroundColor);
        }
    }
}

std::string EditorCore::comparisonSummary() const
{
    const std::uint8_t* document = buffer.data.get();
    const std::uint8_t* other = comparison.other().data.get();
    const std::int32_t otherSize = comparison.other().size;
    const std::int32_t size = std::max(buffer.size, 0); // -1 after an Open cancelled on nothing
    const std::int64_t count = countDifferences(document, size, other, otherSize);
    std::string text;
    if (count > 0) {
        const std::int64_t first = nextDifference(document, size, other, otherSize, -1).first;
        text = "The files differ in " + byteCount(count) + ". The first difference is at offset 0x" +
               hexDigits(first) + ".";
    } else {
        text = size == otherSize ? "The files are identical."
                                         : "The files are the same as far as the document goes.";
    }
    if (size != otherSize) {
        text += " The lengths differ: the document has " + byteCount(size) + ", the other file " +
                byteCount(otherSize) + ".";
    }
    return text;
}

namespace {

bool selectRun(EditorCore& core, DifferenceRun run)
{
    if (run.first < 0) {
        return false;
    }
    selectRange(core, run.first, run.length);
    return true;
}

} // namespace

bool EditorCore::nextDifferenceRun()
{
    return comparing() &&
           selectRun(*this, comparison.next(buffer.data.get(), buffer.size, cursorOffset, hasSelection()));
}

bool EditorCore::previousDifferenceRun()
{
    return comparing() && selectRun(*this, comparison.previous(buffer.data.get(), buffer.size, cursorOffset));
}
