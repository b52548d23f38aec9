// The status bar's texts, from the editor's state.
#include "editor/StatusLine.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "view/Editing.h"

std::string hexDigits(std::int64_t value)
{
    constexpr int hexBase = 16;
    char text[24]; // 16 digits at most
    // As the 64 bits read unsigned: a value past INT64_MAX keeps its digits.
    std::string digits(text, std::to_chars(text, text + sizeof text, static_cast<std::uint64_t>(value), hexBase).ptr);
    std::transform(digits.begin(), digits.end(), digits.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    return digits;
}

std::string groupedDecimal(std::int64_t value)
{
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string grouped = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string byteCount(std::int64_t count)
{
    return groupedDecimal(count) + (count == 1 ? " byte" : " bytes");
}

std::string offsetStatus(std::int32_t offset)
{
    return "Offset: 0x" + hexDigits(offset) + " (" + std::to_string(offset) + ")";
}

std::string selectionStatus(ByteRange range)
{
    if (range.count <= 0) {
        return {};
    }
    const std::int64_t last = static_cast<std::int64_t>(range.first) + range.count - 1;
    return "Selection: 0x" + hexDigits(range.first) + "-0x" + hexDigits(last) + " (" + byteCount(range.count) + ")";
}

StatusTexts statusTexts(const EditorCore& core)
{
    StatusTexts texts;
    texts.offset = offsetStatus(core.cursorOffset);
    texts.selection = selectionStatus(selectedBytes(core));
    texts.size = "Size: " + byteCount(std::max(core.buffer.size, 0));
    texts.view = core.octalMode != 0 ? "Octal" : "Hex";
    texts.mode = core.typing.inserting() ? "Insert" : "Overwrite";
    if (core.files.shownReadOnly()) {
        texts.readOnly = "Read-only";
    }
    return texts;
}
