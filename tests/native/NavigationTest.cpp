// Getting around a document: the mouse wheel, selecting with Shift and the
// move keys, going to a typed offset, and row labels wide enough to read.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "commands/OffsetText.h"
#include "tests/native/TestEditor.h"
#include "view/Editing.h"
#include "view/Placing.h"
#include "view/RowText.h"
#include "view/Scrolling.h"
#include "view/Selection.h"

namespace {

using namespace testeditor;

// --- the wheel ---

TEST(Wheel, ScrollsLinesPerNotchAndKeepsWhatANotchHasNotReached)
{
    TestEditor e(100 * 16 - 1); // 100 rows, the last page from row 75
    e.placeCursor(30 * 16 + 2);
    turnWheel(e.core, -WheelTurn::notch, 3); // towards the end
    e.expectView(3, 28);
    turnWheel(e.core, -WheelTurn::notch / 2, 3); // half a notch: a row and a half
    e.expectView(4, 29);
    turnWheel(e.core, -WheelTurn::notch / 2, 3); // the other half, and the half row left over
    e.expectView(6, 31);
    turnWheel(e.core, WheelTurn::notch / 4, 3); // a fine wheel's quarter notch back
    e.expectView(6, 31);
    turnWheel(e.core, WheelTurn::notch / 4, 3);
    e.expectView(5, 30);
    e.expectCursorAt(30 * 16 + 2, 30, 2, 25); // the cursor stays on its byte
    turnWheel(e.core, -100 * WheelTurn::notch, 3); // far past the end: the last page
    e.expectView(75, 100);
    turnWheel(e.core, -WheelTurn::notch, 3);
    e.expectView(75, 100);
    turnWheel(e.core, 10 * WheelTurn::notch, 3);
    e.expectView(45, 70);
    EXPECT_EQ(e.surface.scrollPositions.back(), 45);
}

// --- selecting from the keyboard ---

struct SelectCase {
    const char* name;
    std::int32_t cursor;
    std::vector<SelectionMove> moves;
    std::int64_t end;
    std::int32_t firstRow;
};

TEST(ExtendSelection, MovesTheFarEndAndKeepsTheCursor)
{
    using M = SelectionMove;
    const SelectCase cases[] = {
        {"right twice", 20, {M::right, M::right}, 22, 0},
        {"down then left", 20, {M::down, M::left}, 35, 0},
        {"left from the start stays there", 0, {M::left}, 0, 0},
        {"up from the first row goes to the start", 5, {M::up}, 0, 0},
        {"end: the end position", 20, {M::end}, 100 * 16 - 1, 75},
        {"home", 40 * 16, {M::home}, 0, 0},
        {"page down scrolls the view after the end", 20, {M::pageDown}, 20 + 25 * 16, 2},
        {"page down twice", 20, {M::pageDown, M::pageDown}, 20 + 50 * 16, 27},
        {"past the end stops at the end position", 98 * 16, {M::pageDown, M::down}, 100 * 16 - 1, 75},
    };
    for (const SelectCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestEditor e(100 * 16 - 1);
        e.placeCursor(c.cursor);
        for (const M move : c.moves) {
            extendSelection(e.core, move);
        }
        ASSERT_TRUE(e.core.hasSelection());
        EXPECT_EQ(selectionEndOffset(e.core), c.end);
        EXPECT_EQ(e.core.firstVisibleRow, c.firstRow);
        EXPECT_EQ(e.core.cursorOffset, c.cursor);
        EXPECT_EQ(e.core.cursorScreenRow, e.core.cursorRow - e.core.firstVisibleRow);
    }
}

TEST(ExtendSelection, IsWhatCopyTakes)
{
    TestEditor e(100);
    e.placeCursor(10);
    extendSelection(e.core, SelectionMove::right);
    extendSelection(e.core, SelectionMove::right);
    const ByteRange range = selectedBytes(e.core);
    EXPECT_EQ(range.first, 10);
    EXPECT_EQ(range.count, 3);
    // Inside the view only the selection's cells are redrawn.
    EXPECT_EQ(e.surface.repaints, 0);
    EXPECT_FALSE(e.surface.drawn.empty());
}

// --- going to an offset ---

TEST(OffsetText, HexadecimalOrHashDecimal)
{
    struct Case {
        const char* text;
        bool valid;
        std::int64_t value;
    };
    const Case cases[] = {
        {"1f0", true, 0x1F0},       {"0x1F0", true, 0x1F0},  {" 0X1f0 ", true, 0x1F0}, {"#496", true, 496},
        {"0", true, 0},             {"", false, 0},         {"0x", false, 0},         {"#", false, 0},
        {"12g", false, 0},          {"#1f", false, 0},      {"-5", false, 0},         {"1 2", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const OffsetText offset = parseOffset(c.text);
        EXPECT_EQ(offset.valid, c.valid);
        if (c.valid) {
            EXPECT_EQ(offset.value, c.value);
        }
    }
    // Too many digits: past any document, never wrapped round to a small offset.
    const OffsetText huge = parseOffset("fffffffffffffffffff");
    EXPECT_TRUE(huge.valid);
    EXPECT_GT(huge.value, std::int64_t{std::numeric_limits<std::int32_t>::max()});
}

// Go to quotes what was typed, not the number it was read as; a long entry
// is cut between two characters (never inside one) with an ellipsis.
TEST(OffsetText, RefusalsQuoteTheTextAsTypedCutShort)
{
    const std::string forty(40, 'f'), e = "\xC3\xA9", ellipsis = "\xE2\x80\xA6"; // é in two bytes; "…"
    const std::string pastEnd = "\" is past the end of the document, which ends at 63F.";
    const std::pair<std::string, std::string> cases[] = {
        {"ffffffffffffffff", "Offset \"ffffffffffffffff" + pastEnd}, {forty, "Offset \"" + forty + pastEnd},
        {forty + "f", "Offset \"" + forty + ellipsis + pastEnd},
        {std::string(39, 'g') + e + e, "\"" + std::string(39, 'g') + e + ellipsis +
                                           "\" is not an offset: type it in hexadecimal, or # and a decimal number."},
    };
    for (const auto& [typed, refusal] : cases) {
        EXPECT_EQ(chooseOffset(typed, 0x63F).refusal, refusal) << typed;
    }
}

TEST(GoToOffset, MovesTheCursorAndTheViewOrNothing)
{
    TestEditor e(100 * 16 - 1);
    e.placeCursor(3);
    e.core.digitIndex = 1;
    EXPECT_FALSE(goToOffset(e.core, 100 * 16));
    EXPECT_FALSE(goToOffset(e.core, -1));
    EXPECT_EQ(e.core.cursorOffset, 3);
    EXPECT_TRUE(goToOffset(e.core, 40 * 16 + 5));
    e.expectCursorAt(40 * 16 + 5, 40, 5, 0);
    e.expectView(40, 65);
    EXPECT_EQ(e.core.digitIndex, 0);
    EXPECT_TRUE(goToOffset(e.core, 100 * 16 - 1)); // the end position, on the last page
    e.expectView(75, 100);
}

// --- row labels ---

TEST(RowLabels, WidenTheOffsetPaneOnlyPastFourDigits)
{
    struct Case {
        std::int32_t size;
        std::int32_t digits;
    };
    // The last row's label counts: 65535 bytes end on row 4095 (label FFF0);
    // 65536 bytes have an empty row 4096 (label 10000).
    const Case cases[] = {{0, 4}, {100, 4}, {65535, 4}, {65536, 5}, {0x100000, 6}, {0x7FFFFFFF, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        EditorCore core;
        core.buffer.setSize(c.size);
        EXPECT_EQ(core.layout.labelDigitsNeeded(), c.digits);
    }

    TestEditor e(65535);
    e.core.layout.apply(FontMetrics{16, 0, 8}, FrameMetrics{19, 19, 4, 16});
    const int narrow = e.core.windowWidth;
    EXPECT_EQ(e.core.offsetPaneWidth(0), 6 * 8);
    e.placeCursor(65535);
    ASSERT_TRUE(e.core.insertZeros(1)); // now 65536 bytes: a row labelled 10000
    EXPECT_EQ(e.surface.relayouts, 1);
    e.core.layout.apply(FontMetrics{16, 0, 8}, FrameMetrics{19, 19, 4, 16}); // what the relayout does
    EXPECT_EQ(e.core.offsetPaneWidth(0), 7 * 8);
    EXPECT_EQ(e.core.windowWidth, narrow + 8);
    EXPECT_EQ(e.core.layout.paneRect(Pane::Hex).x, 7 * 8);
    EXPECT_EQ(rowLabel(e.core, 1), "   10");
    EXPECT_EQ(rowLabel(e.core, 4096), "10000");
    ASSERT_TRUE(e.core.insertZeros(1));
    EXPECT_EQ(e.surface.relayouts, 1) << "the same width needs no new layout";
}

} // namespace
