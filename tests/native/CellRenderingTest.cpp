// Drawing the cursor and the selection cell by cell: positions, texts and colours.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "editor/EditorCore.h"
#include "structureview/FieldTints.h"
#include "tests/native/RecordingSurface.h"
#include "text/ByteTextCodec.h"
#include "view/Cursor.h"
#include "view/RowText.h"

namespace {

constexpr ColorRef activeColor = 0x0000A0;
constexpr ColorRef inactiveColor = 0x00B000;
constexpr ColorRef textColor = 0xC00000;
constexpr ColorRef backColor = 0x0D0D0D;
constexpr ColorRef selectionColor = 0x0E0E0E;
constexpr int cw = 8;  // charWidth
constexpr int lh = 16; // lineHeight

std::uint8_t patternByte(std::int64_t offset)
{
    return static_cast<std::uint8_t>((offset * 37 + 11) % 256);
}

class Renderer : public ::testing::Test {
protected:
    void open(std::int32_t size)
    {
        core.shell.surface = &surface;
        core.charWidth = cw;
        core.lineHeight = lh;
        core.activeCursorColor = activeColor;
        core.inactiveCursorColor = inactiveColor;
        core.textColor = textColor;
        core.backgroundColor = backColor;
        core.selectionColor = selectionColor;
        ASSERT_TRUE(core.buffer.reserve(FileBuffer::capacityFor(size, core.bytesPerRow)));
        for (std::int32_t i = 0; i < size; ++i) {
            core.buffer.data[static_cast<std::size_t>(i)] = patternByte(i);
        }
        core.buffer.setSize(size);
        core.scrollToRow(0);
    }

    void placeCursor(std::int32_t offset)
    {
        core.cursorOffset = offset;
        core.cursorRow = offset / 16;
        core.cursorColumn = offset % 16;
        core.cursorScreenRow = core.cursorRow - core.firstVisibleRow;
    }

    static void expectDrawn(const DrawnText& d, Pane pane, int x, int y, const std::string& text, ColorRef fore,
                            ColorRef back)
    {
        EXPECT_EQ(d.pane, pane);
        EXPECT_EQ(d.x, x);
        EXPECT_EQ(d.y, y);
        EXPECT_EQ(d.text, text);
        EXPECT_EQ(d.textColor, fore);
        EXPECT_EQ(d.backColor, back);
    }

    static std::string hexText(std::uint8_t value, bool withSpace)
    {
        char text[8];
        std::snprintf(text, sizeof text, withSpace ? "%02x " : "%02x", value);
        return text;
    }

    // The selected run as (screen row, column, offset) triples, checked cell by
    // cell: hex text then character, in the given colours.
    struct Cell {
        int row;
        int column;
        std::int32_t offset;
    };
    void expectSelection(const std::vector<Cell>& cells, ColorRef fore, ColorRef back) const
    {
        ASSERT_EQ(surface.drawn.size(), 2 * cells.size());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            SCOPED_TRACE(i);
            const Cell& c = cells[i];
            const std::uint8_t value = core.buffer.byteAt(c.offset);
            const bool withSpace = i + 1 < cells.size() && c.column != 15;
            expectDrawn(surface.drawn[2 * i], Pane::Hex, (3 * c.column + 1) * cw, c.row * lh,
                        hexText(value, withSpace), fore, back);
            expectDrawn(surface.drawn[2 * i + 1], Pane::Ascii, (c.column + 1) * cw, c.row * lh,
                        std::string(1, characterForm(value)), fore, back);
        }
    }

    EditorCore core;
    RecordingSurface surface;
};

// --- the cursor ---

TEST_F(Renderer, HexPaneActiveDrawsOneDigitOfTheNumberCell)
{
    open(100);
    core.buffer.data[2 * 16 + 5] = 0x4B;
    placeCursor(2 * 16 + 5);
    core.showCursor(2, 5, 2 * 16 + 5, 1);
    ASSERT_EQ(surface.drawn.size(), 3u);
    expectDrawn(surface.drawn[0], Pane::Offset, cw, 2 * lh, "  20", backColor, inactiveColor);
    expectDrawn(surface.drawn[1], Pane::Hex, 17 * cw, 2 * lh, "b", backColor, activeColor);
    expectDrawn(surface.drawn[2], Pane::Ascii, 6 * cw, 2 * lh, "K", backColor, inactiveColor);

    surface.clear();
    core.hideCursor(2, 5, 2 * 16 + 5, 0);
    ASSERT_EQ(surface.drawn.size(), 3u);
    expectDrawn(surface.drawn[0], Pane::Offset, cw, 2 * lh, "  20", textColor, backColor);
    expectDrawn(surface.drawn[1], Pane::Hex, 16 * cw, 2 * lh, "4", textColor, backColor);
    expectDrawn(surface.drawn[2], Pane::Ascii, 6 * cw, 2 * lh, "K", textColor, backColor);
}

TEST_F(Renderer, AsciiPaneActiveDrawsTheWholeNumberCellInTheInactiveColour)
{
    open(100);
    core.buffer.data[37] = 0x4B;
    core.octalMode = 1;
    core.activePane = 2;
    core.showCursor(2, 5, 37, 1);
    ASSERT_EQ(surface.drawn.size(), 3u);
    expectDrawn(surface.drawn[0], Pane::Offset, cw, 2 * lh, "  20", backColor, inactiveColor);
    expectDrawn(surface.drawn[1], Pane::Hex, 21 * cw, 2 * lh, "113", backColor, inactiveColor);
    expectDrawn(surface.drawn[2], Pane::Ascii, 6 * cw, 2 * lh, "K", backColor, activeColor);

    core.octalMode = 0;
    surface.clear();
    core.showCursor(2, 5, 37, 0);
    expectDrawn(surface.drawn[1], Pane::Hex, 16 * cw, 2 * lh, "4b", backColor, inactiveColor);
}

TEST_F(Renderer, OctalViewWithTheHexPaneActiveDrawsTheChosenDigit)
{
    open(100);
    core.buffer.data[37] = 0x4B; // octal 113
    core.octalMode = 1;
    core.showCursor(2, 5, 37, 2);
    ASSERT_EQ(surface.drawn.size(), 3u);
    expectDrawn(surface.drawn[1], Pane::Hex, 23 * cw, 2 * lh, "3", backColor, activeColor);
    surface.clear();
    core.showCursor(2, 5, 37, 0);
    expectDrawn(surface.drawn[1], Pane::Hex, 21 * cw, 2 * lh, "1", backColor, activeColor);
}

TEST_F(Renderer, OffsetLabelIsTheRowStartInFourOrMoreUpperCaseDigits)
{
    open(0x12345);
    core.showCursor(0, 0, 0, 0);
    EXPECT_EQ(surface.drawn[0].text, "   0");
    surface.clear();
    core.showCursor(3, 7, 0xABC7, 0);
    expectDrawn(surface.drawn[0], Pane::Offset, cw, 3 * lh, "ABC0", backColor, inactiveColor);
    surface.clear();
    core.showCursor(1, 4, 0x12344, 0);
    EXPECT_EQ(surface.drawn[0].text, "12340");
}

TEST_F(Renderer, UnprintableBytesShowAsDots)
{
    open(16);
    const std::uint8_t bytes[] = {0x7F, 0x80, 0x0A, 0x20, 0x7E, 0x00, 0xFF, 0x41};
    const char* shown = "... ~..A";
    for (std::size_t i = 0; i < sizeof bytes; ++i) {
        core.buffer.data[i] = bytes[i];
        surface.clear();
        core.drawCharCell(0, static_cast<int>(i), static_cast<std::int32_t>(i), CellStyle::Normal);
        ASSERT_EQ(surface.drawn.size(), 1u);
        EXPECT_EQ(surface.drawn[0].text, std::string(1, shown[i])) << i;
        EXPECT_EQ(surface.drawn[0].x, static_cast<int>(i + 1) * cw);
    }
}

TEST_F(Renderer, CursorOnTheEndPositionShowsTheZeroSpareRoom)
{
    open(20);
    core.activePane = 2;
    core.showCursor(1, 4, 20, 0);
    ASSERT_EQ(surface.drawn.size(), 3u);
    EXPECT_EQ(surface.drawn[0].text, "  10");
    EXPECT_EQ(surface.drawn[1].text, "00");
    EXPECT_EQ(surface.drawn[2].text, ".");
}

TEST_F(Renderer, ShowCursorSkipsPanesThatDoNotExistYet)
{
    open(20);
    surface.panesExist = false;
    core.showCursor(0, 0, 0, 0);
    EXPECT_TRUE(surface.drawn.empty());
    core.shell.surface = nullptr;
    core.showCursor(0, 0, 0, 0);
    core.hideCursor(0, 0, 0, 0);
    core.selectionEndRow = 0;
    core.selectionEndColumn = 3;
    core.highlightSelection();
}

// --- the selection ---

TEST_F(Renderer, SelectionAcrossARowEndDropsTheSpaceAtTheRowEndAndAtItsEnd)
{
    open(200);
    placeCursor(2 * 16 + 14);
    core.selectionEndRow = 3;
    core.selectionEndColumn = 1;
    core.highlightSelection();
    const std::vector<Cell> cells{{2, 14, 46}, {2, 15, 47}, {3, 0, 48}, {3, 1, 49}};
    expectSelection(cells, backColor, selectionColor);
    EXPECT_EQ(surface.drawn[0].text.size(), 3u); // cell 14 keeps its space
    EXPECT_EQ(surface.drawn[2].text.size(), 2u); // cell 15 has none

    // The same run with the cursor at the other end, in normal colours.
    surface.clear();
    placeCursor(3 * 16 + 1);
    core.selectionEndRow = 2;
    core.selectionEndColumn = 14;
    core.unhighlightSelection();
    expectSelection(cells, textColor, backColor);
}

TEST_F(Renderer, SelectionEndFirstTakesItsOffsetFromTheVisibleRows)
{
    open(1000);
    core.scrollToRow(10);
    placeCursor(13 * 16 + 1); // screen row 3
    core.selectionEndRow = 2;
    core.selectionEndColumn = 14;
    core.highlightSelection();
    expectSelection({{2, 14, 12 * 16 + 14}, {2, 15, 12 * 16 + 15}, {3, 0, 13 * 16}, {3, 1, 13 * 16 + 1}},
                    backColor, selectionColor);
}

TEST_F(Renderer, SingleCellSelectionHasNoTrailingSpace)
{
    open(100);
    placeCursor(5 * 16 + 9);
    core.selectionEndRow = 5;
    core.selectionEndColumn = 9;
    core.highlightSelection();
    expectSelection({{5, 9, 89}}, backColor, selectionColor);
    EXPECT_EQ(surface.drawn[0].text.size(), 2u);
}

TEST_F(Renderer, SelectionPastTheLastByteShowsZeros)
{
    open(20);
    placeCursor(18);
    core.selectionEndRow = 1;
    core.selectionEndColumn = 6;
    core.highlightSelection();
    expectSelection({{1, 2, 18}, {1, 3, 19}, {1, 4, 20}, {1, 5, 21}, {1, 6, 22}}, backColor, selectionColor);
    EXPECT_EQ(surface.drawn[4].text, "00 ");
    EXPECT_EQ(surface.drawn[8].text, "00");
    EXPECT_EQ(surface.drawn[9].text, ".");

    surface.clear();
    core.octalMode = 1;
    core.highlightSelection();
    ASSERT_EQ(surface.drawn.size(), 10u);
    expectDrawn(surface.drawn[4], Pane::Hex, (4 * 4 + 1) * cw, lh, "000 ", backColor, selectionColor);
    expectDrawn(surface.drawn[8], Pane::Hex, (4 * 6 + 1) * cw, lh, "000", backColor, selectionColor);
    char first[8];
    std::snprintf(first, sizeof first, "%03o ", patternByte(18));
    expectDrawn(surface.drawn[0], Pane::Hex, (4 * 2 + 1) * cw, lh, first, backColor, selectionColor);
}

TEST_F(Renderer, SelectionFromACursorScrolledAboveDrawsOnlyTheVisibleCells)
{
    open(1000);
    core.scrollToRow(10);
    placeCursor(8 * 16 + 3); // screen row -2
    core.selectionEndRow = 1;
    core.selectionEndColumn = 2;
    core.highlightSelection();
    std::vector<Cell> cells;
    for (int k = 0; k <= 18; ++k) {
        cells.push_back({k / 16, k % 16, 10 * 16 + k});
    }
    expectSelection(cells, backColor, selectionColor);
}

} // namespace

// --- comparing ---

// Runs of differing cells, the bytes past the other file's end among them,
// are drawn whole in the difference colour; a cell drawn alone keeps it.
TEST_F(Renderer, DifferingCellsAreDrawnInRunsInTheDifferenceColour)
{
    open(40);
    const ColorRef red = core.comparison.differenceColor;
    FileBuffer other;
    ASSERT_TRUE(other.reserve(36));
    std::copy(core.buffer.data.get(), core.buffer.data.get() + 36, other.data.get());
    other.setSize(36);
    other.name = DocumentName::given("other.bin");
    other.data[3] ^= 1;
    other.data[4] ^= 1;
    other.data[20] ^= 1;
    core.comparison.begin(std::move(other));
    core.comparison.paintDifferences(Pane::Hex);
    core.comparison.paintDifferences(Pane::Ascii);
    ASSERT_EQ(surface.drawn.size(), 6u);
    expectDrawn(surface.drawn[0], Pane::Hex, 10 * cw, 0, hexText(patternByte(3), true) + hexText(patternByte(4), false),
                red, backColor);
    expectDrawn(surface.drawn[1], Pane::Hex, 13 * cw, lh, hexText(patternByte(20), false), red, backColor);
    EXPECT_EQ(surface.drawn[2].text.size(), 4 * 3 - 1u) << "36 to 39, past the other's end";
    expectDrawn(surface.drawn[3], Pane::Ascii, 4 * cw, 0, rowText(core, Pane::Ascii, 0).substr(3, 2), red, backColor);
    EXPECT_EQ(surface.drawn[5].x, 5 * cw);

    surface.clear();
    placeCursor(20);
    hideCursorHere(core);
    EXPECT_EQ(surface.drawn.at(1).textColor, red);

    // A run splits where the background changes, each part on its own.
    FieldTints tints;
    tints.setTopLevel({{4, 1, 0}});
    core.fieldTints = &tints;
    surface.clear();
    core.comparison.paintDifferences(Pane::Hex);
    ASSERT_EQ(surface.drawn.size(), 4u);
    expectDrawn(surface.drawn[0], Pane::Hex, 10 * cw, 0, hexText(patternByte(3), false), red, backColor);
    expectDrawn(surface.drawn[1], Pane::Hex, 13 * cw, 0, hexText(patternByte(4), false), red,
                tintOver(backColor, fieldTintPalette[0]));
}

// Tints lie under the ordinary cells, not the cursor or the selection.
TEST_F(Renderer, TintedCellsAreRedrawnOnTheirTints)
{
    open(40);
    FieldTints tints;
    tints.setTopLevel({{3, 4, 0}, {7, 2, 1}, {20, 5, 2}, {38, 9, 3}}); // the last reaches past the data
    // A quarter of the hue over the background: dark on a dark one, light on a light one.
    EXPECT_EQ(tintOver(0x000000, 0xFFFFFF), 0x3F3F3Fu);
    EXPECT_EQ(tintOver(0xFFFFFF, 0x0000FF), 0xBFBFFFu);
    const auto shown = [&](std::size_t place) { return tintOver(backColor, fieldTintPalette[place]); };
    const ColorRef t0 = shown(0), t1 = shown(1), t2 = shown(2);
    const struct {
        bool tinted;
        Pane pane;
        int octal;
        std::int32_t row;
        std::vector<std::tuple<int, int, ColorRef>> runs; // first character, length, background
    } rows[] = {
        {false, Pane::Hex, 0, 0, {{0, 48, backColor}}},
        {true, Pane::Offset, 0, 0, {{0, 4, backColor}}},
        {true, Pane::Hex, 0, 0, {{0, 9, backColor}, {9, 12, t0}, {21, 6, t1}, {27, 21, backColor}}},
        {true, Pane::Ascii, 0, 0, {{0, 3, backColor}, {3, 4, t0}, {7, 2, t1}, {9, 7, backColor}}},
        {true, Pane::Hex, 1, 1, {{0, 16, backColor}, {16, 20, t2}, {36, 28, backColor}}},
        {true, Pane::Hex, 0, 2, {{0, 18, backColor}, {18, 6, shown(3)}, {24, 24, backColor}}},
    };
    for (const auto& r : rows) {
        core.fieldTints = r.tinted ? &tints : nullptr;
        core.octalMode = r.octal;
        std::vector<std::tuple<int, int, ColorRef>> runs;
        for (const BackRun& run : rowBackRuns(core, r.pane, r.row)) {
            runs.emplace_back(run.first, run.length, run.color);
        }
        EXPECT_EQ(runs, r.runs) << r.tinted << " " << static_cast<int>(r.pane) << " row " << r.row;
    }

    core.hideCursor(0, 4, 4, 0);
    ASSERT_EQ(surface.drawn.size(), 3u);
    EXPECT_EQ(surface.drawn[0].backColor, backColor) << "the offset pane has no tints";
    EXPECT_EQ(surface.drawn[1].backColor, t0);
    EXPECT_EQ(surface.drawn[2].backColor, t0);

    placeCursor(5);
    core.selectionEndRow = 0;
    core.selectionEndColumn = 9;
    const std::vector<Cell> cells{{0, 5, 5}, {0, 6, 6}, {0, 7, 7}, {0, 8, 8}, {0, 9, 9}};
    surface.clear();
    core.highlightSelection();
    expectSelection(cells, backColor, selectionColor);
    surface.clear();
    core.unhighlightSelection();
    ASSERT_EQ(surface.drawn.size(), 10u);
    const ColorRef backs[] = {t0, t0, t1, t1, backColor};
    for (std::size_t i = 0; i < surface.drawn.size(); ++i) {
        EXPECT_EQ(surface.drawn[i].backColor, backs[i / 2]) << i;
    }
}

