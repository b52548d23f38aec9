// Comparing with another file: reading it, which cells differ, what the
// comparison found, and stepping through the runs of differing bytes.
#include "commands/Comparison.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "editor/EditorCore.h"
#include "editor/StatusLine.h"
#include "text/ByteTextCodec.h"
#include "view/RowText.h"
#include "view/Selection.h"

namespace {

constexpr char messageCaption[] = "Nibblor";

} // namespace

bool Comparison::compareFromDialog(Progress& progress)
{
    FilePath chosen;
    bool readOnly = true; // the other file is only read
    FileShell* files = core_->shell.files;
    return files != nullptr && files->chooseFileToOpen(chosen, readOnly) && compareWith(chosen, progress);
}

bool Comparison::compareWith(const FilePath& path, Progress& progress)
{
    FileBuffer other(core_->bytesPerRow);
    if (!core_->files.loadOrTell(DocumentName::given(path), other, progress)) {
        return false;
    }
    begin(std::move(other));
    core_->repaint(Repaint::later);
    titleChanged();
    return true;
}

void Comparison::begin(FileBuffer&& other)
{
    other_ = std::move(other);
    last_ = {};
}

void Comparison::stop()
{
    if (!active()) {
        return;
    }
    other_.adopt(ByteBlock{}, 0);
    other_.name.clear();
    last_ = {};
    core_->repaint(Repaint::later);
    titleChanged();
}

void Comparison::titleChanged() const
{
    if (core_->shell.surface != nullptr) {
        core_->shell.surface->titleChanged();
    }
}

Message Comparison::summary() const
{
    const FileBuffer& buffer = core_->buffer;
    const std::uint8_t* document = buffer.all().bytes;
    const std::uint8_t* other = other_.all().bytes;
    const std::int32_t otherSize = other_.size;
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
    return informationMessage(text, messageCaption);
}

DifferenceRun Comparison::next() const
{
    const EditorCore& core = *core_;
    const std::int64_t cursor = core.cursorOffset;
    // Searching from the cursor itself passes over the run it lies in.
    const bool visited = core.hasSelection() || cursor == last_.first;
    return nextDifference(core.buffer.all().bytes, core.buffer.size, other_.all().bytes, other_.size,
                          visited ? cursor : cursor - 1);
}

DifferenceRun Comparison::previous() const
{
    const EditorCore& core = *core_;
    return previousDifference(core.buffer.all().bytes, core.buffer.size, other_.all().bytes, other_.size,
                              core.cursorOffset);
}

bool Comparison::stepToDifference(bool forward)
{
    if (!active()) {
        if (core_->shell.surface != nullptr) {
            core_->shell.surface->beep(); // F6 with nothing compared
        }
        return false;
    }
    const DifferenceRun run = forward ? next() : previous();
    if (run.first < 0) {
        core_->shell.tell(informationMessage("No more differences.", messageCaption));
        return false;
    }
    last_ = run;
    selectRange(*core_, run.first, run.length);
    return true;
}

bool Comparison::differs(std::int64_t offset) const
{
    const FileBuffer& buffer = core_->buffer;
    return differsAt(buffer.all().bytes, buffer.size, other_.all().bytes, other_.size, offset);
}

ColorRef Comparison::cellTextColor(std::int32_t offset) const
{
    return active() && differs(offset) ? differenceColor : core_->textColor;
}

void Comparison::paintDifferences(Pane pane) const
{
    const EditorCore& core = *core_;
    if (pane == Pane::Offset || !active() || core.shell.surface == nullptr) {
        return;
    }
    const FileBuffer& buffer = core.buffer;
    const RowRange rows = paintedRows(core);
    const int cellWidth = pane == Pane::Ascii ? 1 : core.octalMode != 0 ? octalCellWidth : hexCellWidth;
    for (std::int32_t row = rows.first; row < rows.end; ++row) {
        const std::int32_t first = core.offsetAt(row, 0);
        const std::int32_t count = std::min(core.bytesPerRow, buffer.size - first);
        // Most rows are equal: one comparison of the row says so.
        if (count <= 0 || (first + count <= other_.size &&
                           std::memcmp(buffer.all().bytes + first, other_.all().bytes + first,
                                       static_cast<std::size_t>(count)) == 0)) {
            continue;
        }
        const std::string text = rowText(core, pane, row);
        const int y = (row - core.firstVisibleRow) * core.lineHeight;
        // Each run of differing cells on one background is drawn in one
        // piece, without the last cell's trailing space.
        for (int column = 0; column < count;) {
            if (!differs(first + column)) {
                ++column;
                continue;
            }
            const int runStart = column;
            const ColorRef back = cellBackColor(core, first + column);
            while (column < count && differs(first + column) && cellBackColor(core, first + column) == back) {
                ++column;
            }
            const int gap = pane == Pane::Ascii ? 0 : 1;
            const auto from = static_cast<std::size_t>(cellWidth * runStart);
            const auto length = static_cast<std::size_t>(cellWidth * (column - runStart) - gap);
            core.shell.surface->drawText(pane, (cellWidth * runStart + 1) * core.charWidth, y,
                                         std::string_view(text).substr(from, length), differenceColor, back);
        }
    }
}
