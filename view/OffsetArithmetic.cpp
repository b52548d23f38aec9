// Going between offsets, rows and columns, and a byte's text forms.
#include "editor/EditorCore.h"
#include "text/ByteTextCodec.h"

#include <algorithm>

std::int32_t EditorCore::offsetAt(std::int32_t row, std::int32_t column) const
{
    const std::int64_t offset = static_cast<std::int64_t>(row) * bytesPerRow + column;
    return static_cast<std::int32_t>(std::min<std::int64_t>(offset, buffer.size));
}

std::int32_t EditorCore::rowOf(std::int32_t offset) const
{
    return offset / bytesPerRow;
}

void EditorCore::rowAndColumnOf(std::int32_t offset, std::int32_t& row, std::int32_t& column) const
{
    row = rowOf(offset);
    column = offset - offsetAt(row, 0);
}

void EditorCore::cellText(std::int32_t offset, CellKind kind, char* text) const
{
    // Past the data the spare room reads as zero.
    const std::uint8_t byte = buffer.byteAt(offset);
    switch (kind) {
    case CellKind::Hex:
        formatHex(text, &byte, 1);
        break;
    case CellKind::Octal:
        formatOctal(text, &byte, 1);
        break;
    case CellKind::Character:
        text[0] = characterForm(byte);
        text[1] = '\0';
        break;
    }
}
