// The edits: overtyping digits and characters (or inserting them in insert
// mode), deleting the selection and inserting zero bytes. Bytes change only through the FileBuffer, and each
// change is recorded for undo as it is made.
#include "commands/InsertCount.h"
#include "editor/EditorCore.h"
#include "editor/ScrollBar.h"
#include "view/ByteTextCodec.h"
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

} // namespace

bool EditorCore::typeDigit(char character)
{
    const int value = octalMode != 0 ? octalDigitValue(character) : hexDigitValue(character);
    if (value < 0) {
        return false; // separators are not digits either
    }
    if (insertMode && digitIndex == 0) {
        // A new byte with the digit on top; the next digits complete it in place.
        insertTypedByte(withDigit(0, 0, value, octalMode != 0), true);
        return true;
    }
    if (refuseEdit() || !cursorOnByte(*this)) {
        return true; // typing at the end position changes nothing
    }
    const std::uint8_t typed = withDigit(buffer.byteAt(cursorOffset), digitIndex, value, octalMode != 0);
    if (!recordTypedByte(cursorOffset, typed, digitIndex > 0, digitIndex < lastDigit(*this))) {
        return true; // the user kept the document as it was
    }
    buffer.writeByte(cursorOffset, typed);
    hideCursorHere(*this); // shows the new value in both data panes
    if (digitIndex < lastDigit(*this)) {
        ++digitIndex;
        showCursorHere(*this);
    } else {
        digitIndex = 0;
        moveRight(); // draws the cursor at its new place
    }
    return true;
}

bool EditorCore::typeCharacter(unsigned char character)
{
    if (character < firstPrintable || character > lastPrintable) {
        return false;
    }
    if (insertMode) {
        insertTypedByte(character, false);
        return true;
    }
    if (refuseEdit() || !cursorOnByte(*this)) {
        return true; // typing at the end position changes nothing
    }
    if (!recordTypedByte(cursorOffset, character, false, false)) {
        return true; // the user kept the document as it was
    }
    buffer.writeByte(cursorOffset, character);
    hideCursorHere(*this); // shows the new byte in both data panes
    moveRight();
    return true;
}

void EditorCore::insertTypedByte(std::uint8_t value, bool moreDigits)
{
    if (refuseEdit()) {
        return;
    }
    if (!canGrowBy(1)) {
        shell.tell(errorMessage(growthRefusalText(1)));
        return;
    }
    // Before the cursor's byte; at the end position, after the last byte.
    const std::int32_t at = std::clamp(cursorOffset, 0, std::max(buffer.size, 0));
    if (!buffer.insert(at, &value, 1)) {
        shell.tell(errorMessage(noMemoryToInsertText(1)));
        return;
    }
    if (!recordInsertionOf(at, &value, 1, moreDigits)) {
        buffer.remove(at, 1); // the user kept the document as it was
        return;
    }
    hideCursorHere(*this);
    setCursorOffset(*this, at);
    showGrownRows(*this);
    if (moreDigits) {
        digitIndex = 1;
        showCursorHere(*this);
    } else {
        moveRight();
    }
}

bool EditorCore::deleteSelection()
{
    if (!hasSelection() || refuseEdit()) {
        return true;
    }
    const ByteRange range = selectedBytes();
    if (range.count > 0) {
        if (!recordChange(EditStep::Kind::removal, range.first, range.count)) {
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

void EditorCore::removeSelectedBytes()
{
    if (!hasSelection()) {
        return; // the byte under the cursor stays
    }
    unhighlightSelection();
    if (!deleteSelection()) {
        highlightSelection(); // declined: the selection stays as it was
        return;
    }
    clearSelection(*this);
    repaint(Repaint::later);
}

bool EditorCore::insertZeros(std::int32_t count)
{
    const std::int32_t size = buffer.size;
    if (count < 1 || size < 0 || refuseEdit()) {
        return false;
    }
    // A cursor past the end appends: everything between is zero already.
    const std::int32_t at = std::clamp(cursorOffset, 0, size);
    if (!buffer.insert(at, nullptr, count)) {
        return false;
    }
    recordInsertion(at, count);
    showRowsFrom(*this, firstVisibleRow); // every row that now exists is painted
    syncScrollBar(*this, cursorRow);
    layout.followLabelWidth();
    return true;
}
