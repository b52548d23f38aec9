#pragma once
// An editor on a generated document, drawing into a RecordingSurface, for the
// view-model tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "editor/EditorCore.h"
#include "tests/native/RecordingSurface.h"
#include "text/ByteTextCodec.h"

namespace testeditor {

inline constexpr ColorRef activeColor = 0x0000A0;
inline constexpr ColorRef inactiveColor = 0x00B000;
inline constexpr ColorRef textColor = 0xC00000;
inline constexpr ColorRef backColor = 0x0D0D0D;

// Never zero, so that zeros in the data always come from the editor.
inline std::uint8_t patternByte(std::int64_t offset)
{
    return static_cast<std::uint8_t>((offset * 7 + 3) % 255 + 1);
}

// An editor on a document of `size` bytes (none held when size is negative),
// shown from row 0, with an 8x16 font and recognisable colours.
class TestEditor {
public:
    explicit TestEditor(std::int32_t size)
    {
        core.shell.surface = &surface;
        core.shell.prompts = &surface;
        core.charWidth = 8;
        core.lineHeight = 16;
        core.activeCursorColor = activeColor;
        core.inactiveCursorColor = inactiveColor;
        core.textColor = textColor;
        core.backgroundColor = backColor;
        if (size >= 0) {
            EXPECT_TRUE(core.buffer.reserve(FileBuffer::capacityFor(size, core.bytesPerRow)));
            for (std::int32_t i = 0; i < size; ++i) {
                core.buffer.data[static_cast<std::size_t>(i)] = patternByte(i);
            }
            core.buffer.setSize(size);
        }
        core.scrollToRow(0);
    }
    TestEditor(const TestEditor&) = delete;
    TestEditor& operator=(const TestEditor&) = delete;

    // Shows `pageRows` rows from `first`, as the frame's scrolling does.
    void showRowsFrom(std::int32_t first)
    {
        core.firstVisibleRow = first;
        core.lastVisibleRow = first + core.pageRows;
        core.cursorScreenRow = core.cursorRow - first;
    }

    void placeCursor(std::int32_t offset)
    {
        core.cursorOffset = offset;
        core.cursorRow = offset / core.bytesPerRow;
        core.cursorColumn = offset % core.bytesPerRow;
        core.cursorScreenRow = core.cursorRow - core.firstVisibleRow;
    }

    void selectTo(std::int32_t offset)
    {
        core.selectionEndRow = offset / core.bytesPerRow - core.firstVisibleRow;
        core.selectionEndColumn = offset % core.bytesPerRow;
    }

    std::uint8_t byte(std::int64_t offset) const { return core.buffer.data[static_cast<std::size_t>(offset)]; }

    void expectCursorAt(std::int32_t offset, std::int32_t row, std::int32_t column, std::int32_t screenRow) const
    {
        EXPECT_EQ(core.cursorOffset, offset);
        EXPECT_EQ(core.cursorRow, row);
        EXPECT_EQ(core.cursorColumn, column);
        EXPECT_EQ(core.cursorScreenRow, screenRow);
    }

    void expectView(std::int32_t first, std::int32_t last) const
    {
        EXPECT_EQ(core.firstVisibleRow, first);
        EXPECT_EQ(core.lastVisibleRow, last);
    }

    // The three cursor cells drawn from drawn[from] on, hex view with the hex
    // pane active: the row label, one digit, the character.
    void expectCursorCells(std::size_t from, int screenRow, int column, std::int32_t offset, bool asCursor) const
    {
        ASSERT_GE(surface.drawn.size(), from + 3);
        const int y = screenRow * core.lineHeight;
        const int digit = core.digitIndex;
        const std::uint8_t value = core.buffer.byteAt(offset);

        const DrawnText& label = surface.drawn[from];
        char expectedLabel[16];
        std::snprintf(expectedLabel, sizeof expectedLabel, "%4X", static_cast<unsigned>(offset / 16 * 16));
        EXPECT_EQ(label.pane, Pane::Offset);
        EXPECT_EQ(label.y, y);
        EXPECT_EQ(label.text, expectedLabel);
        EXPECT_EQ(label.backColor, asCursor ? inactiveColor : backColor);

        const DrawnText& number = surface.drawn[from + 1];
        EXPECT_EQ(number.pane, Pane::Hex);
        EXPECT_EQ(number.x, (3 * column + 1 + digit) * core.charWidth);
        EXPECT_EQ(number.y, y);
        EXPECT_EQ(number.text, std::string(1, "0123456789abcdef"[(value >> (digit == 0 ? 4 : 0)) & 15]));
        EXPECT_EQ(number.textColor, asCursor ? backColor : textColor);
        EXPECT_EQ(number.backColor, asCursor ? activeColor : backColor);

        const DrawnText& character = surface.drawn[from + 2];
        EXPECT_EQ(character.pane, Pane::Ascii);
        EXPECT_EQ(character.x, (column + 1) * core.charWidth);
        EXPECT_EQ(character.y, y);
        EXPECT_EQ(character.text, std::string(1, characterForm(value)));
        EXPECT_EQ(character.backColor, asCursor ? inactiveColor : backColor);
    }

    EditorCore core;
    RecordingSurface surface;
};

} // namespace testeditor
