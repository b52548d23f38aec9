// The clipboard's text forms of the selection and of pasted text, and the
// room the document has for inserted bytes. The clipboard itself is the shell's.
#include "editor/EditorCore.h"
#include "view/ByteTextCodec.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

namespace {

constexpr std::size_t hexCharactersPerByte = 3;   // two digits and a blank
constexpr std::size_t octalCharactersPerByte = 4; // three digits and a blank

} // namespace

ByteRange EditorCore::selectedBytes() const
{
    if (!hasSelection()) {
        return {};
    }
    const std::int64_t end =
        (static_cast<std::int64_t>(firstVisibleRow) + selectionEndRow) * bytesPerRow + selectionEndColumn;
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
    const bool octal = octalMode != 0;
    std::string text((octal ? octalCharactersPerByte : hexCharactersPerByte) * count + 1, '\0');
    if (octal) {
        formatOctal(&text[0], bytes, range.count);
    } else {
        formatHex(&text[0], bytes, range.count);
    }
    text.pop_back(); // the codec's terminator
    return text;
}

PasteOutcome EditorCore::pasteText(std::string_view text)
{
    std::string bytes;
    if (activePane == asciiPaneActive) {
        bytes.assign(text.data(), text.size());
    } else {
        const bool octal = octalMode != 0;
        const PasteOutcome invalid = octal ? PasteOutcome::invalidOctal : PasteOutcome::invalidHex;
        if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() - 2)) {
            return invalid; // no clipboard of a 32-bit program holds this much
        }
        const std::string source(text); // the parsers read a terminated text
        const int length = static_cast<int>(source.size());
        std::vector<std::uint8_t> parsed(static_cast<std::size_t>(length) + 2);
        const int count = octal ? parseOctal(parsed.data(), source.c_str(), length)
                                : parseHex(parsed.data(), source.c_str(), length);
        if (count == 0) {
            return invalid; // invalid, or no digits at all: nothing changes
        }
        bytes.assign(reinterpret_cast<const char*>(parsed.data()), static_cast<std::size_t>(count));
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
