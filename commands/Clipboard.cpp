// The clipboard's text forms of the selection and of pasted text, and the
// room the document has for inserted bytes. The clipboard itself is the shell's.
#include "editor/EditorCore.h"
#include "view/ByteTextCodec.h"

#include <algorithm>
#include <cstring>
#include <string>

ByteRange EditorCore::selectedBytes() const
{
    if (!hasSelection()) {
        return {};
    }
    const std::int64_t end = selectionEndOffset();
    const std::int64_t first = std::max<std::int64_t>(std::min<std::int64_t>(cursorOffset, end), 0);
    // The end position and the spare room past it hold no bytes.
    const std::int64_t last = std::min<std::int64_t>(std::max<std::int64_t>(cursorOffset, end),
                                                     static_cast<std::int64_t>(buffer.size) - 1);
    if (last < first) {
        return {static_cast<std::int32_t>(std::min<std::int64_t>(first, std::max(buffer.size, 0))), 0};
    }
    return {static_cast<std::int32_t>(first), static_cast<std::int32_t>(last - first + 1)};
}

std::string EditorCore::copyText() const
{
    const ByteRange range = selectedBytes();
    if (range.count == 0) {
        return std::string();
    }
    const std::uint8_t* bytes = buffer.data.get() + range.first;
    const auto count = static_cast<std::size_t>(range.count);
    if (activePane == asciiPaneActive) {
        // The clipboard's text ends at the first zero byte.
        const void* zero = std::memchr(bytes, 0, count);
        const std::size_t length = zero == nullptr ? count : static_cast<std::size_t>(
                                                                 static_cast<const std::uint8_t*>(zero) - bytes);
        return std::string(reinterpret_cast<const char*>(bytes), length);
    }
    return numberText(bytes, count, octalMode != 0);
}

PasteOutcome EditorCore::pasteText(std::string_view text)
{
    if (refuseEdit()) {
        return PasteOutcome::declined;
    }
    std::string bytes;
    if (activePane == asciiPaneActive) {
        bytes.assign(text.data(), text.size());
    } else {
        const bool octal = octalMode != 0;
        const ParsedNumbers parsed = parseNumberText(text, octal);
        if (parsed.count == 0) {
            // Invalid, or no digits at all: nothing changes.
            return octal ? PasteOutcome::invalidOctal : PasteOutcome::invalidHex;
        }
        bytes.assign(reinterpret_cast<const char*>(parsed.area.data()), static_cast<std::size_t>(parsed.count));
    }
    const auto* pasted = reinterpret_cast<const std::uint8_t*>(bytes.data());
    // What the document holds from the cursor on: it never grows.
    const std::int64_t room = cursorOffset >= 0 ? static_cast<std::int64_t>(buffer.size) - cursorOffset : 0;
    const auto fitting = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        static_cast<std::int64_t>(bytes.size()), 0, std::max<std::int64_t>(room, 0)));
    if (!recordChange(EditStep::Kind::overwrite, cursorOffset, fitting, pasted)) {
        return PasteOutcome::declined;
    }
    const std::int32_t written = buffer.overwrite(cursorOffset, pasted, bytes.size());
    const std::int32_t after = cursorOffset + written;
    setCursorOffset(after);
    // Below the view the cursor's row comes to the top; otherwise the view stays.
    if (static_cast<std::int64_t>(after) > static_cast<std::int64_t>(lastVisibleRow) * bytesPerRow) {
        scrollCursorToTop();
    } else {
        repaint(Repaint::later);
    }
    return PasteOutcome::pasted;
}

bool EditorCore::canGrowBy(std::int64_t count) const
{
    return count >= 0 && static_cast<std::int64_t>(std::max(buffer.size, 0)) + count <= FileBuffer::maxSize;
}
