// The core's input operations as the panes and the frame call them: digits
// and characters typed, clicks, the scroll-bar requests, and a new window
// over a cursor left by the last one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/native/TestEditor.h"
#include "view/Editing.h"
#include "view/Cursor.h"
#include "view/PointerInput.h"
#include "view/RowText.h"
#include "view/Scrolling.h"

namespace {

using namespace testeditor;

// --- typing ---

struct DigitCase {
    const char* name;
    int octal;
    std::uint8_t before;
    int digitIndex;
    const char* typed;
    std::uint8_t after;
    std::int32_t cursorAfter;
    int digitAfter;
};

TEST(TypeDigit, ReplacesTheDigitsOfTheView)
{
    const DigitCase cases[] = {
        {"hex high digit", 0, 0x5A, 0, "c", 0xCA, 16, 1},
        {"hex both digits", 0, 0x5A, 0, "c3", 0xC3, 17, 0},
        {"hex upper case", 0, 0x00, 0, "Fe", 0xFE, 17, 0},
        {"hex digit 2 left by the octal view is the low digit", 0, 0xA0, 2, "5", 0xA5, 17, 0},
        {"hex ignores non-digits", 0, 0x11, 0, "g!-. \x7f", 0x11, 16, 0},
        {"octal 377", 1, 0x00, 0, "777", 0xFF, 17, 0},
        {"octal first digit holds two bits", 1, 0x00, 0, "400", 0xC0, 17, 0},
        {"octal middle digit", 1, 0xFF, 1, "0", 0xC7, 16, 2},
        {"octal ignores 8, 9 and letters", 1, 0x42, 0, "89aF", 0x42, 16, 0},
    };
    for (const DigitCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestEditor e(100);
        e.core.octalMode = c.octal;
        e.core.buffer.data[16] = c.before;
        e.placeCursor(16);
        e.core.digitIndex = c.digitIndex;
        for (const char* p = c.typed; *p != '\0'; ++p) {
            typeDigit(e.core, *p);
        }
        EXPECT_EQ(e.byte(16), c.after);
        EXPECT_EQ(e.byte(17), patternByte(17)) << "only the cursor's byte changes";
        EXPECT_EQ(e.core.cursorOffset, c.cursorAfter);
        EXPECT_EQ(e.core.digitIndex, c.digitAfter);
        EXPECT_EQ(e.core.buffer.size, 100);
    }
}

TEST(TypeDigit, AtTheEndPositionChangesNothing)
{
    TestEditor e(20);
    e.placeCursor(19);
    e.core.digitIndex = 1;
    EXPECT_TRUE(typeDigit(e.core, 'a')); // the last byte's low digit, then on to the end
    EXPECT_EQ(e.core.cursorOffset, 20);
    EXPECT_TRUE(typeDigit(e.core, 'f'));
    EXPECT_EQ(e.core.buffer.size, 20);
    EXPECT_EQ(e.byte(20), 0);
    EXPECT_EQ(e.core.cursorOffset, 20);
    EXPECT_FALSE(typeDigit(e.core, 'x'));
}

TEST(TypeCharacter, StoresPrintableCodesAndShowsTheNewByte)
{
    TestEditor e(100);
    e.core.activePane = EditorCore::asciiPaneActive;
    e.placeCursor(3);
    for (const char c : std::string("A~\x7f\r\x80\xe9\x01")) {
        typeCharacter(e.core, static_cast<unsigned char>(c));
    }
    EXPECT_EQ(e.byte(3), 'A');
    EXPECT_EQ(e.byte(4), '~');
    EXPECT_EQ(e.byte(5), patternByte(5));
    EXPECT_EQ(e.core.cursorOffset, 5);
    // The old cell redrawn with its new character, then the cursor one on.
    const auto& drawn = e.surface.drawn;
    ASSERT_GE(drawn.size(), 3u);
    EXPECT_EQ(drawn[2].pane, Pane::Ascii);
    EXPECT_EQ(drawn[2].text, "A");
    EXPECT_EQ(drawn[2].backColor, backColor);
}

// --- clicks ---

struct ClickCase {
    const char* name;
    Pane pane;
    int octal;
    std::int32_t size;
    int x, y; // pixels, 8 by 16 cells
    std::int32_t offset, row, column, screenRow;
    bool selectionKept;
};

TEST(ClickAt, PutsTheCursorOnTheCellOrTheEndPosition)
{
    const ClickCase cases[] = {
        {"hex cell, first digit", Pane::Hex, 0, 100, 5 * 24 + 8, 16 + 2, 21, 1, 5, 1, false},
        {"hex cell, the margin before its digits", Pane::Hex, 0, 100, 5 * 24, 16, 21, 1, 5, 1, false},
        {"octal cell", Pane::Hex, 1, 100, 11 * 32 + 9, 2 * 16 + 2, 43, 2, 11, 2, false},
        {"ascii cell", Pane::Ascii, 0, 100, 9 * 8 + 1, 2 * 16 + 2, 40, 2, 8, 2, true},
        {"ascii margin is column 0", Pane::Ascii, 0, 100, 3, 16, 16, 1, 0, 1, true},
        {"past the last byte of a short row", Pane::Hex, 0, 20, 10 * 24, 16 + 2, 20, 1, 4, 1, false},
        {"below the last row", Pane::Ascii, 0, 20, 15 * 8, 10 * 16, 20, 1, 4, 1, true},
        {"an empty document", Pane::Hex, 0, 0, 3 * 24, 3 * 16, 0, 0, 0, 0, false},
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestEditor e(c.size);
        e.core.octalMode = c.octal;
        e.core.digitIndex = 1;
        e.core.activePane = c.pane == Pane::Hex ? EditorCore::asciiPaneActive : EditorCore::hexPaneActive;
        e.selectTo(2);
        clickAt(e.core, c.pane, c.x, c.y);
        e.expectCursorAt(c.offset, c.row, c.column, c.screenRow);
        EXPECT_EQ(e.core.hasSelection(), c.selectionKept);
        EXPECT_EQ(e.core.digitIndex, 1) << "a click keeps the digit";
        EXPECT_EQ(e.core.activePane,
                  c.pane == Pane::Hex ? EditorCore::hexPaneActive : EditorCore::asciiPaneActive);
        EXPECT_EQ(e.surface.focused, std::vector<Pane>{c.pane});
        EXPECT_EQ(e.surface.repaints, 1);
    }
}

TEST(DragTo, MovesTheFarEndAndRedrawsOnlyWhenItMoves)
{
    TestEditor e(100);
    dragTo(e.core, Pane::Hex, 3 * 24, 16);
    EXPECT_EQ(e.core.selectionEndRow, 1);
    EXPECT_EQ(e.core.selectionEndColumn, 3);
    const std::size_t afterFirst = e.surface.drawn.size();
    EXPECT_GT(afterFirst, 0u);
    dragTo(e.core, Pane::Hex, 3 * 24 + 5, 16 + 5); // the same cell
    EXPECT_EQ(e.surface.drawn.size(), afterFirst);
    dragTo(e.core, Pane::Ascii, 10 * 8, 3 * 16); // on into the other pane
    EXPECT_EQ(e.core.selectionEndRow, 3);
    EXPECT_EQ(e.core.selectionEndColumn, 9);
    EXPECT_EQ(e.core.cursorOffset, 0);
}

// --- scrolling ---

struct ScrollCase {
    const char* name;
    ScrollRequest request;
    std::int32_t firstBefore;
    int thumb;
    bool changed;
    std::int32_t firstAfter, lastAfter;
    int thumbAfter; // -1: not moved
};

TEST(Scroll, RequestsAtTheTopTheMiddleAndTheLastPage)
{
    // 100 rows, 25 to a page: the last page starts at row 75.
    const ScrollCase cases[] = {
        {"line up at the top", ScrollRequest::lineUp, 0, 0, false, 0, 25, -1},
        {"line up in the middle", ScrollRequest::lineUp, 40, 0, true, 39, 64, 39},
        {"line down in the middle", ScrollRequest::lineDown, 40, 0, true, 41, 66, 41},
        {"line down on the last page", ScrollRequest::lineDown, 75, 0, false, 75, 100, -1},
        {"page up at the top", ScrollRequest::pageUp, 0, 0, false, 0, 25, -1},
        {"page up to exactly row 0 is refused", ScrollRequest::pageUp, 25, 0, false, 25, 50, -1},
        {"page up in the middle", ScrollRequest::pageUp, 40, 0, true, 15, 40, 15},
        {"page down in the middle", ScrollRequest::pageDown, 40, 0, true, 65, 90, 65},
        {"page down onto the end is refused", ScrollRequest::pageDown, 50, 0, false, 50, 75, -1},
        {"thumb tracked to the middle", ScrollRequest::thumbTrack, 0, 60, true, 60, 85, 60},
        {"thumb tracked past the last page", ScrollRequest::thumbTrack, 0, 90, true, 75, 100, 90},
        {"thumb released", ScrollRequest::thumbPosition, 40, 0, true, 40, 65, -1},
        {"top", ScrollRequest::top, 40, 0, true, 0, 25, 0},
        {"bottom", ScrollRequest::bottom, 40, 0, true, 75, 100, 100},
    };
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestEditor e(100 * 16 - 1);
        e.showRowsFrom(c.firstBefore);
        e.placeCursor(45 * 16 + 3);
        e.core.digitIndex = 1;
        EXPECT_EQ(scroll(e.core, c.request, c.thumb), c.changed);
        e.expectView(c.firstAfter, c.lastAfter);
        EXPECT_EQ(e.surface.scrollPositions,
                  c.thumbAfter < 0 ? std::vector<int>{} : std::vector<int>{c.thumbAfter});
        EXPECT_TRUE(e.surface.drawn.empty());
        const bool moved = c.changed && c.request != ScrollRequest::thumbPosition;
        EXPECT_EQ(e.surface.laterRepaints, moved ? 1 : 0);
        // Top and bottom take the cursor along; the others leave it on its byte.
        if (c.request == ScrollRequest::top) {
            e.expectCursorAt(0, 0, 0, 0);
        } else if (c.request == ScrollRequest::bottom) {
            e.expectCursorAt(100 * 16 - 1, 99, 15, 24);
        } else {
            e.expectCursorAt(45 * 16 + 3, 45, 3, 45 - c.firstAfter);
        }
        EXPECT_EQ(e.core.digitIndex, c.request == ScrollRequest::top || c.request == ScrollRequest::bottom ? 0 : 1);
    }
}

// --- a new window over the cursor the last one left ---

TEST(NewWindow, KeepsTheCursorOnItsByteAndEditsThere)
{
    TestEditor e(100 * 16 - 1);
    clickAt(e.core, Pane::Hex, 8, 16 + 2); // offset 16: row 1, column 0
    ASSERT_EQ(e.core.cursorOffset, 16);
    // The window goes; the next one starts its view afresh.
    e.showRowsFrom(40);
    showCursorFromTop(e.core);
    e.expectView(0, 25);
    e.expectCursorAt(16, 1, 0, 1);

    e.surface.clear();
    moveLeftByDigit(e.core);
    moveLeftByDigit(e.core);
    typeDigit(e.core, 'a');
    typeDigit(e.core, 'a');
    for (std::int32_t i = 0; i < 100 * 16 - 1; ++i) {
        ASSERT_EQ(e.byte(i), i == 15 ? 0xAA : patternByte(i)) << i;
    }
    e.expectCursorAt(16, 1, 0, 1);
    EXPECT_EQ(e.surface.repaints, 0) << "the cursor never left the view";
    for (const DrawnText& d : e.surface.drawn) {
        EXPECT_GE(d.y, 0) << "drawn above the document: \"" << d.text << '"';
    }
    const RowRange rows = paintedRows(e.core);
    EXPECT_EQ(rows.first, 0);
    EXPECT_EQ(rows.end, 25);
}

TEST(NewWindow, ShowsACursorBeyondTheFirstPageAtTheTop)
{
    TestEditor e(100 * 16 - 1);
    e.placeCursor(60 * 16 + 4);
    showCursorFromTop(e.core);
    e.expectView(60, 85);
    e.expectCursorAt(60 * 16 + 4, 60, 4, 0);
    e.placeCursor(98 * 16); // within the last page
    showCursorFromTop(e.core);
    e.expectView(75, 100);
    e.expectCursorAt(98 * 16, 98, 0, 23);
}

TEST(PaintedRows, StayWithinTheDocument)
{
    TestEditor e(30 * 16 - 1); // 30 rows
    e.placeCursor(29 * 16);
    e.core.recenterOnCursor(); // rows 29..54 in view, past the document
    EXPECT_EQ(paintedRows(e.core).first, 29);
    EXPECT_EQ(paintedRows(e.core).end, 30);
    e.core.firstVisibleRow = -1; // never, but painting must still not read before the block
    EXPECT_EQ(paintedRows(e.core).first, 0);
    EXPECT_EQ(rowText(e.core, Pane::Hex, -1), std::string(48, ' '));
    EXPECT_EQ(rowText(e.core, Pane::Ascii, 30), std::string(16, ' '));
}

} // namespace
