// The selected bytes, pasted text written over the document, and the room
// the document has for inserted bytes. The clipboard itself is the shell's;
// Copy's text is commands/ClipboardCopy.cpp's.
#include "editor/EditorCore.h"
#include "editor/ScrollBar.h"
#include "view/ByteTextCodec.h"
#include "view/Placing.h"
#include "view/Scrolling.h"
#include "view/Selection.h"

#include <algorithm>
#include <new>
#include <string>

ByteRange EditorCore::selectedBytes() const
{
    if (!hasSelection()) {
        return {};
    }
    const std::int64_t end = selectionEndOffset(*this);
    const std::int64_t first = std::max<std::int64_t>(std::min<std::int64_t>(cursorOffset, end), 0);
    // The end position and the spare room past it hold no bytes.
    const std::int64_t last = std::min<std::int64_t>(std::max<std::int64_t>(cursorOffset, end),
                                                     static_cast<std::int64_t>(buffer.size) - 1);
    if (last < first) {
        return {static_cast<std::int32_t>(std::min<std::int64_t>(first, std::max(buffer.size, 0))), 0};
    }
    return {static_cast<std::int32_t>(first), static_cast<std::int32_t>(last - first + 1)};
}

PasteOutcome EditorCore::pasteText(std::string_view text)
{
    pasteLeftOut = 0;
    if (activePane == asciiPaneActive) {
        return pasteBytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    }
    if (refuseEdit()) {
        return PasteOutcome::declined;
    }
    const bool octal = octalMode != 0;
    const ParsedNumbers parsed = parseNumberText(text, octal);
    if (parsed.count == 0) {
        // Invalid, or no digits at all: nothing changes.
        return octal ? PasteOutcome::invalidOctal : PasteOutcome::invalidHex;
    }
    return pasteBytes(parsed.area.data(), static_cast<std::size_t>(parsed.count));
}

PasteOutcome EditorCore::pasteBytes(const std::uint8_t* pasted, std::size_t count)
{
    pasteLeftOut = 0;
    if (refuseEdit()) {
        return PasteOutcome::declined;
    }
    if (insertMode) {
        return insertPasted(pasted, count);
    }
    // What the document holds from the cursor on: it never grows.
    const std::int64_t room = cursorOffset >= 0 ? static_cast<std::int64_t>(buffer.size) - cursorOffset : 0;
    const auto fitting = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(count), 0, std::max<std::int64_t>(room, 0)));
    if (!recordChange(EditStep::Kind::overwrite, cursorOffset, fitting, pasted)) {
        return PasteOutcome::declined;
    }
    const std::int32_t written = buffer.overwrite(cursorOffset, pasted, count);
    pasteLeftOut = static_cast<std::int64_t>(count) - written;
    showPasteEnd(*this, cursorOffset + written);
    return pasteLeftOut > 0 ? PasteOutcome::cutShort : PasteOutcome::pasted;
}

PasteOutcome EditorCore::insertPasted(const std::uint8_t* pasted, std::size_t count)
{
    if (count == 0) {
        showPasteEnd(*this, cursorOffset); // as an empty overwriting paste
        return PasteOutcome::pasted;
    }
    if (!canGrowBy(static_cast<std::int64_t>(count))) {
        pasteLeftOut = static_cast<std::int64_t>(count);
        return PasteOutcome::tooLarge;
    }
    const auto length = static_cast<std::int32_t>(count);
    const std::int32_t at = std::clamp(cursorOffset, 0, std::max(buffer.size, 0));
    if (!buffer.insert(at, pasted, length)) {
        throw std::bad_alloc();
    }
    if (!recordInsertionOf(at, pasted, length, false)) {
        buffer.remove(at, length); // the user kept the document as it was
        return PasteOutcome::declined;
    }
    showRowsFrom(*this, firstVisibleRow);
    syncScrollBar(*this, firstVisibleRow);
    layout.followLabelWidth();
    showPasteEnd(*this, at + length);
    return PasteOutcome::pasted;
}

bool EditorCore::canGrowBy(std::int64_t count) const
{
    return count >= 0 && static_cast<std::int64_t>(std::max(buffer.size, 0)) + count <= FileBuffer::maxSize;
}
