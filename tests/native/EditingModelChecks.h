#pragma once
// What must hold after every step of the model test: the core's document,
// cursor, digit, pane, selection and visible rows as the model has them; the
// cursor's fields and the view in step; and the cursor's cells drawn last
// where it stands, its old ones undrawn when it moved without a repaint.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "document/Differences.h"
#include "editor/EditorCore.h"
#include "tests/native/EditingModel.h"
#include "tests/native/RecordingSurface.h"
#include "tests/native/TestEditor.h"

namespace editingmodel {

// What a step did besides its effect on the state.
struct StepTrace {
    std::int32_t cursorBefore = 0;
    ViewRows viewBefore;
    bool movedByByte = false; // went through moveUp, moveDown, moveLeft or moveRight
    bool repainted = false;
    std::array<DrawnText, 3> lastCursorCells{}; // by pane, since the run began
    std::vector<std::pair<int, int>> plainCharacterCells; // (x, y) drawn in other colours
};

inline std::string stateMismatch(const EditorCore& core, const EditingModel& model)
{
    const FileBuffer& buffer = core.buffer;
    if (buffer.size != model.size() || buffer.rowCount != model.rows()) {
        return "the size or the row count";
    }
    if (model.size() > 0 && std::memcmp(buffer.data.get(), model.bytes.data(), model.bytes.size()) != 0) {
        return "the document's bytes";
    }
    // Compared with zeros a block at a time: insert mode grows the document, and a byte-wise scan would dominate the run.
    constexpr std::int64_t zeroBlock = 4096;
    static const std::array<std::uint8_t, zeroBlock> zeros{};
    bool spareIsZero = true;
    for (std::int64_t at = model.size(); spareIsZero && at < buffer.capacity(); at += zeroBlock) {
        const auto length = static_cast<std::size_t>(std::min(zeroBlock, buffer.capacity() - at));
        spareIsZero = std::memcmp(buffer.data.get() + at, zeros.data(), length) == 0;
    }
    if (!spareIsZero) {
        return "a zero past the document";
    }
    if (core.cursorOffset != model.cursor || core.digitIndex != model.digit) {
        return "the cursor's offset or digit";
    }
    if ((core.activePane == EditorCore::asciiPaneActive) != model.asciiPane) {
        return "the active pane";
    }
    if (core.hasSelection() != model.selected ||
        (model.selected && (core.selectionEndRow != model.selectionEnd.row ||
                            core.selectionEndColumn != model.selectionEnd.column))) {
        return "the selection's far end";
    }
    if (core.firstVisibleRow != model.view.first || core.lastVisibleRow != model.view.last) {
        return "the visible rows";
    }
    if (!std::equal(core.buffer.marks.offsets().begin(), core.buffer.marks.offsets().end(), model.marks.begin(),
                    model.marks.end())) {
        return "the bookmarks";
    }
    return {};
}

// Edits are compared as they are made, against the other file as it was read.
inline std::string comparisonMismatch(const EditorCore& core, const EditingModel& model)
{
    std::int64_t differing = 0;
    for (std::size_t at = 0; at < model.bytes.size(); ++at) {
        differing += at >= model.compared.size() || model.bytes[at] != model.compared[at] ? 1 : 0;
    }
    const FileBuffer& other = core.comparison.other();
    if (countDifferences(core.buffer.data.get(), core.buffer.size, other.data.get(), other.size) != differing) {
        return "the count of differing bytes";
    }
    const auto cursor = static_cast<std::size_t>(model.cursor);
    const bool cursorDiffers = cursor < model.bytes.size() &&
                               (cursor >= model.compared.size() || model.bytes[cursor] != model.compared[cursor]);
    if ((core.comparison.cellTextColor(model.cursor) == core.comparison.differenceColor) != cursorDiffers) {
        return "the colour of the cursor's byte against the compared file";
    }
    return {};
}

inline std::string invariantBroken(const EditorCore& core, const EditingModel& model, const StepTrace& step)
{
    const std::int32_t cursor = core.cursorOffset;
    if (cursor != core.cursorRow * bytesPerRow + core.cursorColumn || core.cursorColumn < 0 ||
        core.cursorColumn >= bytesPerRow) {
        return "cursorOffset == cursorRow * bytesPerRow + cursorColumn";
    }
    if (core.cursorScreenRow != core.cursorRow - core.firstVisibleRow) {
        return "cursorScreenRow == cursorRow - firstVisibleRow";
    }
    // Past the end the cursor goes by moving down onto a short last row, so
    // at most to the end of the last row; only a deletion under it leaves it
    // further off, and nothing then takes it further still. It always stands
    // over the block's zero spare room.
    const std::int32_t lastRowEnd = model.size() + bytesPerRow - 1;
    if (cursor < 0 || cursor > std::max(lastRowEnd, step.cursorBefore) || cursor >= core.buffer.capacity()) {
        return "the cursor's bound";
    }
    if (core.firstVisibleRow < 0 || core.lastVisibleRow < core.firstVisibleRow ||
        core.lastVisibleRow > core.firstVisibleRow + pageRows) {
        return "0 <= firstVisibleRow <= lastVisibleRow <= firstVisibleRow + pageRows";
    }
    // The moves bring the cursor into view first, the unpainted row
    // lastVisibleRow included; Right from that row's last byte goes on below it.
    const bool rightOffUnpaintedRow =
        step.cursorBefore / bytesPerRow == core.lastVisibleRow && cursor == step.cursorBefore + 1;
    if (step.movedByByte && (core.cursorRow < core.firstVisibleRow ||
                             (core.cursorRow > core.lastVisibleRow && !rightOffUnpaintedRow))) {
        return "a move by a byte or a row leaves the cursor in view";
    }
    return {};
}

// The cursor's row label, its number (one digit of it while the hex pane is
// active) and its character, each drawn last on its screen row.
inline std::string drawingMismatch(const EditorCore& core, const EditingModel& model, const StepTrace& step)
{
    const std::int32_t rowBefore = step.cursorBefore / bytesPerRow;
    if (step.cursorBefore != core.cursorOffset && !step.repainted && step.viewBefore.first <= rowBefore &&
        rowBefore < step.viewBefore.last) {
        const std::pair<int, int> oldCell((step.cursorBefore % bytesPerRow + 1) * charWidth,
                                          (rowBefore - step.viewBefore.first) * lineHeight);
        const auto& plain = step.plainCharacterCells;
        if (std::find(plain.begin(), plain.end(), oldCell) == plain.end()) {
            return "the cursor's old character cell undrawn";
        }
    }
    if (core.cursorRow < core.firstVisibleRow || core.cursorRow >= core.lastVisibleRow) {
        return {};
    }
    const int y = core.cursorScreenRow * lineHeight;
    const int column = core.cursorColumn;
    const std::uint8_t byte = model.cursor < model.size() ? model.bytes[static_cast<std::size_t>(model.cursor)] : 0;
    const bool hexActive = !model.asciiPane;
    const ColorRef hexBack = hexActive ? testeditor::activeColor : testeditor::inactiveColor;
    const ColorRef asciiBack = hexActive ? testeditor::inactiveColor : testeditor::activeColor;

    const DrawnText& label = step.lastCursorCells[static_cast<std::size_t>(Pane::Offset)];
    char labelText[16];
    std::snprintf(labelText, sizeof labelText, "%4X", static_cast<unsigned>(core.cursorRow * bytesPerRow));
    if (label.y != y || label.text != labelText || label.backColor != testeditor::inactiveColor) {
        return "the cursor's row label drawn last";
    }
    const std::string number = numberDigits(byte, model.octal);
    const int digits = static_cast<int>(number.size());
    const int digit = std::min(model.digit, digits - 1);
    const int cellX = (digits + 1) * column + 1;
    const DrawnText& cell = step.lastCursorCells[static_cast<std::size_t>(Pane::Hex)];
    const int x = (hexActive ? cellX + digit : cellX) * charWidth;
    const std::string text = hexActive ? number.substr(static_cast<std::size_t>(digit), 1) : number;
    if (cell.y != y || cell.x != x || cell.text != text || cell.backColor != hexBack) {
        return "the cursor's number drawn last";
    }
    const DrawnText& character = step.lastCursorCells[static_cast<std::size_t>(Pane::Ascii)];
    const char shown = byte >= ' ' && byte <= '~' ? static_cast<char>(byte) : '.';
    if (character.y != y || character.x != (column + 1) * charWidth || character.text != std::string(1, shown) ||
        character.backColor != asciiBack) {
        return "the cursor's character drawn last";
    }
    return {};
}

inline std::string firstMismatch(const EditorCore& core, const EditingModel& model, const StepTrace& step)
{
    std::string found = stateMismatch(core, model);
    found = found.empty() ? invariantBroken(core, model, step) : found;
    return found.empty() ? drawingMismatch(core, model, step) : found;
}

} // namespace editingmodel
