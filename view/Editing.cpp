// The edits: overtyping digits and characters (or inserting them in insert
// mode), deleting the selection and inserting zero bytes. Bytes change only
// through the FileBuffer, and each change is recorded for undo as it is made.
#include "view/Editing.h"

#include "commands/EditMessages.h"
#include "editor/EditorCore.h"
#include "editor/ScrollBar.h"
#include "text/ByteTextCodec.h"
#include "view/UndoRedo.h"
#include "view/Cursor.h"
#include "view/Placing.h"
#include "view/Scrolling.h"
#include "view/Selection.h"

#include <algorithm>

namespace {

constexpr std::uint8_t firstPrintable = 0x20;
constexpr std::uint8_t lastPrintable = 0x7E;

// The byte with the digit at `digit` of the current view replaced by `value`.
std::uint8_t withDigit(std::uint8_t byte, int digit, int value, bool octal)
{
    unsigned mask = 0xFu;
    int shift = digit == 0 ? 4 : 0; // in hex view any digit but the first is the low one
    if (octal) {
        static const int shifts[] = {6, 3, 0};
        const int d = std::clamp(digit, 0, 2);
        shift = shifts[d];
        mask = d == 0 ? 0x3u : 0x7u;
        value = std::min(value, static_cast<int>(mask)); // the first octal digit holds two bits
    }
    return static_cast<std::uint8_t>((byte & ~(mask << shift)) | (static_cast<unsigned>(value) << shift));
}

// Insert mode's typing: `value` inserted before the cursor's byte (at the end
// position, appended) as one change; the cursor stays on it while
// `moreDigits` may complete it, else moves past it.
void insertTypedByte(EditorCore& core, std::uint8_t value, bool moreDigits)
{
    if (core.files.refuseEdit()) {
        return;
    }
    if (!canGrowBy(core, 1)) {
        core.shell.tell(growthRefusal(1));
        return;
    }
    // Before the cursor's byte; at the end position, after the last byte.
    const std::int32_t at = std::clamp(core.cursorOffset, 0, std::max(core.buffer.size, 0));
    if (!core.buffer.insert(at, &value, 1)) {
        core.shell.tell(noMemoryToInsert(1));
        return;
    }
    if (!recordInsertionOf(core, at, &value, 1, moreDigits)) {
        core.buffer.remove(at, 1); // the user kept the document as it was
        return;
    }
    hideCursorHere(core);
    setCursorOffset(core, at);
    showGrownRows(core);
    if (moreDigits) {
        core.digitIndex = 1;
        showCursorHere(core);
    } else {
        core.moveRight();
    }
}

} // namespace

bool typeDigit(EditorCore& core, char character)
{
    const bool octal = core.octalMode != 0;
    const int value = octal ? octalDigitValue(character) : hexDigitValue(character);
    if (value < 0) {
        return false; // separators are not digits either
    }
    if (core.typing.inserting() && core.digitIndex == 0) {
        // A new byte with the digit on top; the next digits complete it in place.
        insertTypedByte(core, withDigit(0, 0, value, octal), true);
        return true;
    }
    if (core.files.refuseEdit() || !cursorOnByte(core)) {
        return true; // typing at the end position changes nothing
    }
    const std::int32_t at = core.cursorOffset;
    const std::uint8_t typed = withDigit(core.buffer.byteAt(at), core.digitIndex, value, octal);
    const bool byteComplete = core.digitIndex >= lastDigit(core);
    if (!recordTypedByte(core, at, typed, core.digitIndex > 0, !byteComplete)) {
        return true; // the user kept the document as it was
    }
    core.buffer.writeByte(at, typed);
    hideCursorHere(core); // shows the new value in both data panes
    if (!byteComplete) {
        ++core.digitIndex;
        showCursorHere(core);
    } else {
        core.digitIndex = 0;
        core.moveRight(); // draws the cursor at its new place
    }
    return true;
}

bool typeCharacter(EditorCore& core, unsigned char character)
{
    if (character < firstPrintable || character > lastPrintable) {
        return false;
    }
    if (core.typing.inserting()) {
        insertTypedByte(core, character, false);
        return true;
    }
    if (core.files.refuseEdit() || !cursorOnByte(core)) {
        return true; // typing at the end position changes nothing
    }
    if (!recordTypedByte(core, core.cursorOffset, character, false, false)) {
        return true; // the user kept the document as it was
    }
    core.buffer.writeByte(core.cursorOffset, character);
    hideCursorHere(core); // shows the new byte in both data panes
    core.moveRight();
    return true;
}

void deleteAndUnselect(EditorCore& core)
{
    if (!core.hasSelection()) {
        return; // the byte under the cursor stays
    }
    core.unhighlightSelection();
    if (!core.deleteSelection()) {
        core.highlightSelection(); // declined: the selection stays as it was
        return;
    }
    forgetSelection(core);
    core.repaint(Repaint::later);
}

ByteRange selectedBytes(const EditorCore& core)
{
    if (!core.hasSelection()) {
        return {};
    }
    const std::int64_t cursor = core.cursorOffset;
    const std::int64_t end = selectionEndOffset(core);
    const std::int64_t first = std::max<std::int64_t>(std::min(cursor, end), 0);
    // The end position and the spare room past it hold no bytes.
    const std::int64_t last = std::min<std::int64_t>(std::max(cursor, end), std::int64_t{core.buffer.size} - 1);
    if (last < first) {
        return {static_cast<std::int32_t>(std::min<std::int64_t>(first, std::max(core.buffer.size, 0))), 0};
    }
    return {static_cast<std::int32_t>(first), static_cast<std::int32_t>(last - first + 1)};
}

bool canGrowBy(const EditorCore& core, std::int64_t count)
{
    return count >= 0 && std::int64_t{std::max(core.buffer.size, 0)} + count <= FileBuffer::maxSize;
}

bool EditorCore::deleteSelection()
{
    if (!hasSelection() || files.refuseEdit()) {
        return true;
    }
    const ByteRange range = selectedBytes(*this);
    if (range.count > 0) {
        if (!recordChange(*this, EditStep::Kind::removal, range.first, range.count)) {
            return false;
        }
        buffer.remove(range.first, range.count);
    }

    // One byte back from where the cursor stood, whatever was removed. The
    // view follows only when that step takes the cursor back over a row's
    // start and above the view; a cursor scrolled away leaves it as it is.
    const bool overRowStart = cursorColumn == 0;
    setCursorOffset(*this, std::max(cursorOffset - 1, 0));
    if (overRowStart && cursorScreenRow < 0) {
        recenterOnCursor();
    }
    syncScrollBar(*this, cursorRow);
    layout.followLabelWidth();
    return true;
}

bool EditorCore::insertZeros(std::int32_t count)
{
    const std::int32_t size = buffer.size;
    if (count < 1 || size < 0 || files.refuseEdit()) {
        return false;
    }
    // A cursor past the end appends: everything between is zero already.
    const std::int32_t at = std::clamp(cursorOffset, 0, size);
    if (!buffer.insert(at, nullptr, count)) {
        return false;
    }
    recordInsertion(*this, at, count);
    showRowsFrom(*this, firstVisibleRow); // every row that now exists is painted
    syncScrollBar(*this, cursorRow);
    layout.followLabelWidth();
    return true;
}
