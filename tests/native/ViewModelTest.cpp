// The view model's scrolling, point-to-cell mapping and cursor moves, with
// what each draws or repaints.
#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "tests/native/TestEditor.h"
#include "view/Scrolling.h"

namespace {

using namespace testeditor;

// --- scrollToRow ---

TEST(ScrollToRow, LongDocumentStopsAtTheLastPage)
{
    TestEditor e(1000 * 16 - 1); // 1000 rows
    e.core.scrollToRow(5000);
    e.expectView(975, 1000);
    EXPECT_EQ(e.core.cursorRow, 975);
    e.core.scrollToRow(1000); // one past the last row
    e.expectView(975, 1000);
    EXPECT_EQ(e.core.cursorRow, 975);
    e.core.scrollToRow(990);
    e.expectView(975, 1000);
    EXPECT_EQ(e.core.cursorRow, 990);
    e.core.scrollToRow(100);
    e.expectView(100, 125);
    EXPECT_EQ(e.core.cursorRow, 100);
    e.core.scrollToRow(-7);
    e.expectView(0, 25);
    EXPECT_EQ(e.core.cursorRow, 0);
    EXPECT_TRUE(e.surface.drawn.empty());
    EXPECT_EQ(e.surface.repaints, 0);
}

TEST(ScrollToRow, ShortDocumentAlwaysShowsEveryRow)
{
    TestEditor e(10 * 16 - 1); // 10 rows
    e.core.scrollToRow(7);
    e.expectView(0, 10);
    EXPECT_EQ(e.core.cursorRow, 7);
    e.core.scrollToRow(50);
    e.expectView(0, 10);
    EXPECT_EQ(e.core.cursorRow, 0);

    TestEditor empty(0);
    empty.core.scrollToRow(3);
    empty.expectView(0, 0);
    EXPECT_EQ(empty.core.cursorRow, 0);
}

// --- recenterOnCursor ---

TEST(RecenterOnCursor, MakesTheCursorRowTheTopRowWithoutCuttingTheView)
{
    TestEditor e(70 * 16 - 1); // 70 rows
    e.showRowsFrom(3);
    e.core.cursorOffset = 62 * 16 + 8;
    e.core.recenterOnCursor();
    e.expectCursorAt(62 * 16 + 8, 62, 8, 0);
    e.expectView(62, 87);
    EXPECT_EQ(e.surface.repaints, 1);
    EXPECT_TRUE(e.surface.drawn.empty());
    EXPECT_TRUE(e.surface.scrollPositions.empty());
}

TEST(RecenterOnCursor, CursorPastTheEndKeepsRowTimesWidthPlusColumn)
{
    // 90 bytes end on row 5; a cursor left at 98 lies on row 6, column 2.
    TestEditor e(90);
    e.core.cursorOffset = 98;
    e.core.recenterOnCursor();
    e.expectCursorAt(98, 6, 2, 0);
}

// --- cellAtPoint ---

TEST(CellAtPoint, NumberCellsOwnTheMarginInFrontOfTheirDigits)
{
    TestEditor e(1000);
    auto at = [&](int x, int y, CellMapping mapping) {
        const ScreenCell cell = e.core.cellAtPoint(x, y, mapping);
        return std::make_pair(cell.row, cell.column);
    };
    EXPECT_EQ(at(23, 40, CellMapping::HexView), std::make_pair(2, 0));
    EXPECT_EQ(at(24, 40, CellMapping::HexView), std::make_pair(2, 1));
    EXPECT_EQ(at(1000, 0, CellMapping::HexView), std::make_pair(0, 15));
    EXPECT_EQ(at(31, 0, CellMapping::OctalView), std::make_pair(0, 0));
    EXPECT_EQ(at(32, 0, CellMapping::OctalView), std::make_pair(0, 1));
    EXPECT_EQ(at(7, 0, CellMapping::Characters), std::make_pair(0, 0));
    EXPECT_EQ(at(8, 0, CellMapping::Characters), std::make_pair(0, 0));
    EXPECT_EQ(at(16, 0, CellMapping::Characters), std::make_pair(0, 1));
    EXPECT_EQ(at(17 * 8, 0, CellMapping::Characters), std::make_pair(0, 15));
}

TEST(CellAtPoint, RowIsLimitedByLastVisibleRowAndNeverNegative)
{
    TestEditor shortDoc(3 * 16 - 1); // view 0..3
    EXPECT_EQ(shortDoc.core.cellAtPoint(0, 10 * 16, CellMapping::HexView).row, 2);
    EXPECT_EQ(shortDoc.core.cellAtPoint(0, 3 * 16, CellMapping::HexView).row, 2);
    EXPECT_EQ(shortDoc.core.cellAtPoint(0, 3 * 16 - 1, CellMapping::HexView).row, 2);
    EXPECT_EQ(shortDoc.core.cellAtPoint(0, 2 * 16 - 1, CellMapping::HexView).row, 1);

    TestEditor longDoc(100 * 16 - 1);
    longDoc.showRowsFrom(40); // lastVisibleRow 65
    EXPECT_EQ(longDoc.core.cellAtPoint(0, 25 * 16 + 3, CellMapping::HexView).row, 25);

    // Dragged above or left of the pane: -1 would mean "no selection".
    const ScreenCell above = longDoc.core.cellAtPoint(-50, -40, CellMapping::Characters);
    EXPECT_EQ(above.row, 0);
    EXPECT_EQ(above.column, 0);

    TestEditor empty(0); // lastVisibleRow 0
    EXPECT_EQ(empty.core.cellAtPoint(30, 200, CellMapping::HexView).row, 0);
}

TEST(CellAtPoint, WithoutAMeasuredFontGivesTheFirstCell)
{
    TestEditor e(100);
    e.core.charWidth = 0;
    e.core.lineHeight = 0;
    const ScreenCell cell = e.core.cellAtPoint(100, 100, CellMapping::OctalView);
    EXPECT_EQ(cell.row, 0);
    EXPECT_EQ(cell.column, 0);
}

// --- moves inside the view ---

TEST(Moves, InsideTheViewHideTheOldCellThenShowTheNewOne)
{
    TestEditor e(1000);
    e.placeCursor(17);
    e.core.digitIndex = 1;
    e.core.moveRight();
    e.expectCursorAt(18, 1, 2, 1);
    ASSERT_EQ(e.surface.drawn.size(), 6u);
    e.expectCursorCells(0, 1, 1, 17, false);
    e.expectCursorCells(3, 1, 2, 18, true);
    EXPECT_EQ(e.surface.repaints, 0);
    EXPECT_TRUE(e.surface.scrollRanges.empty());
    EXPECT_TRUE(e.surface.scrollPositions.empty());
    EXPECT_EQ(e.core.digitIndex, 1);

    e.surface.clear();
    e.core.moveDown();
    e.expectCursorAt(34, 2, 2, 2);
    ASSERT_EQ(e.surface.drawn.size(), 6u);
    e.expectCursorCells(0, 1, 2, 18, false);
    e.expectCursorCells(3, 2, 2, 34, true);

    e.surface.clear();
    e.core.moveUp();
    e.expectCursorAt(18, 1, 2, 1);
    e.expectCursorCells(3, 1, 2, 18, true);

    e.placeCursor(48); // column 0: moveLeft crosses to the end of the row above
    e.surface.clear();
    e.core.moveLeft();
    e.expectCursorAt(47, 2, 15, 2);
    ASSERT_EQ(e.surface.drawn.size(), 6u);
    e.expectCursorCells(0, 3, 0, 48, false);
    e.expectCursorCells(3, 2, 15, 47, true);
    EXPECT_EQ(e.surface.repaints, 0);
}

TEST(Moves, MoveRightCrossesARowEndInsideTheView)
{
    TestEditor e(1000);
    e.placeCursor(31);
    e.core.moveRight();
    e.expectCursorAt(32, 2, 0, 2);
    EXPECT_EQ(e.surface.repaints, 0);
}

// --- the end position and past it ---

TEST(Moves, MoveRightStopsAtTheEndPosition)
{
    TestEditor e(100);
    e.placeCursor(99);
    e.core.moveRight();
    e.expectCursorAt(100, 6, 4, 6);
    e.surface.clear();
    e.core.moveRight();
    e.expectCursorAt(100, 6, 4, 6);
    EXPECT_EQ(e.core.digitIndex, 1);
    // Only the cursor is drawn again, over the zero spare room.
    ASSERT_EQ(e.surface.drawn.size(), 3u);
    e.expectCursorCells(0, 6, 4, 100, true);
    EXPECT_EQ(e.surface.drawn[1].text, "0");
    EXPECT_EQ(e.surface.drawn[2].text, ".");
}

TEST(Moves, MoveRightAtTheEndPutsTheDigitByViewAndPane)
{
    TestEditor octal(100);
    octal.core.octalMode = 1;
    octal.placeCursor(100);
    octal.core.moveRight();
    EXPECT_EQ(octal.core.digitIndex, 2);

    TestEditor ascii(100);
    ascii.core.activePane = 2;
    ascii.placeCursor(100);
    ascii.core.moveRight();
    EXPECT_EQ(ascii.core.digitIndex, 0);
    EXPECT_EQ(ascii.core.cursorOffset, 100);
}

TEST(Moves, FromTheLastByteOfFullRowsToTheEmptyLastRow)
{
    TestEditor e(32); // three rows, the last one empty
    e.placeCursor(31);
    e.core.moveRight();
    e.expectCursorAt(32, 2, 0, 2);
    e.core.moveDown();
    e.expectCursorAt(32, 2, 0, 2);
}

TEST(Moves, MoveDownOntoAShortLastRowLeavesTheCursorPastTheEnd)
{
    TestEditor e(20);
    e.placeCursor(10);
    e.core.moveDown();
    e.expectCursorAt(26, 1, 10, 1);
    e.expectCursorCells(3, 1, 10, 26, true);
    e.surface.clear();
    e.core.moveRight();
    e.expectCursorAt(26, 1, 10, 1);
    e.core.moveLeft();
    e.expectCursorAt(25, 1, 9, 1);
}

// --- moves across the edges of the view ---

TEST(Moves, MoveUpOnTheTopRowScrollsByOneRow)
{
    TestEditor e(1000 * 16);
    e.showRowsFrom(5);
    e.placeCursor(5 * 16 + 3);
    e.core.moveUp();
    e.expectView(4, 29);
    e.expectCursorAt(4 * 16 + 3, 4, 3, 0);
    EXPECT_EQ(e.surface.repaints, 1);
    ASSERT_EQ(e.surface.drawn.size(), 6u);
    e.expectCursorCells(0, 0, 3, 5 * 16 + 3, false);
    e.expectCursorCells(3, 0, 3, 4 * 16 + 3, true);
}

TEST(Moves, MoveDownOnTheBottomRowScrollsByOneRow)
{
    TestEditor e(1000 * 16);
    e.placeCursor(24 * 16 + 7);
    e.core.moveDown();
    e.expectView(1, 26);
    e.expectCursorAt(25 * 16 + 7, 25, 7, 24);
    EXPECT_EQ(e.surface.repaints, 1);
    ASSERT_EQ(e.surface.drawn.size(), 6u);
    e.expectCursorCells(3, 24, 7, 25 * 16 + 7, true);
}

TEST(Moves, MoveRightAtTheBottomRightCellScrollsAndLetsThePaintDrawTheCursor)
{
    TestEditor e(1000 * 16);
    e.placeCursor(24 * 16 + 15);
    e.core.moveRight();
    e.expectView(1, 26);
    e.expectCursorAt(25 * 16, 25, 0, 24);
    EXPECT_EQ(e.surface.repaints, 1);
    ASSERT_EQ(e.surface.drawn.size(), 3u); // the hide only
    e.expectCursorCells(0, 24, 15, 24 * 16 + 15, false);
}

TEST(Moves, MoveLeftAtTheTopLeftCellScrollsAndLetsThePaintDrawTheCursor)
{
    TestEditor e(1000 * 16);
    e.showRowsFrom(5);
    e.placeCursor(5 * 16);
    e.core.moveLeft();
    e.expectView(4, 29);
    e.expectCursorAt(5 * 16 - 1, 4, 15, 0);
    EXPECT_EQ(e.surface.repaints, 1);
    ASSERT_EQ(e.surface.drawn.size(), 3u);
    e.expectCursorCells(0, 0, 0, 5 * 16, false);
}

// The repaint of a scroll paints the cursor itself, so the cursor must already
// stand on its new cell when the panes repaint.
class CursorAtRepaint : public RecordingSurface {
public:
    explicit CursorAtRepaint(const EditorCore& editor) : core(editor) {}
    void repaintPanes(Repaint when) override
    {
        RecordingSurface::repaintPanes(when);
        seen.push_back({core.cursorOffset, core.cursorScreenRow, core.cursorColumn});
    }
    const EditorCore& core;
    std::vector<std::vector<std::int32_t>> seen;
};

TEST(Moves, ScrollingRepaintSeesTheCursorAtItsNewPlace)
{
    TestEditor e(1000 * 16);
    CursorAtRepaint surface(e.core);
    e.core.shell.surface = &surface;
    e.placeCursor(24 * 16 + 9);
    e.core.moveDown();
    e.core.moveUp(); // row 25 -> 24 inside the view: no repaint
    e.showRowsFrom(24);
    e.core.moveUp();
    e.placeCursor(47 * 16 + 15); // bottom right of rows 23..47
    e.core.moveRight();
    e.showRowsFrom(49);
    e.placeCursor(49 * 16);
    e.core.moveLeft();
    const std::vector<std::vector<std::int32_t>> expected{
        {25 * 16 + 9, 24, 9}, {23 * 16 + 9, 0, 9}, {48 * 16, 24, 0}, {49 * 16 - 1, 0, 15}};
    EXPECT_EQ(surface.seen, expected);
}

// --- where the moves stop ---

TEST(Moves, StopQuietlyAtTheEdgesOfTheDocument)
{
    TestEditor e(100);
    e.placeCursor(5);
    e.core.moveUp();
    e.expectCursorAt(5, 0, 5, 0);
    EXPECT_TRUE(e.surface.drawn.empty());

    e.placeCursor(6 * 16 + 1);
    e.core.moveDown();
    e.expectCursorAt(6 * 16 + 1, 6, 1, 6);
    EXPECT_TRUE(e.surface.drawn.empty());

    e.placeCursor(0);
    e.core.digitIndex = 1;
    e.core.moveLeft();
    e.expectCursorAt(0, 0, 0, 0);
    EXPECT_EQ(e.core.digitIndex, 0);
    ASSERT_EQ(e.surface.drawn.size(), 3u); // the cursor shown again, nothing hidden
    e.expectCursorCells(0, 0, 0, 0, true);
    EXPECT_EQ(e.surface.repaints, 0);
}

TEST(Moves, EmptyOrNeverLoadedDocumentKeepsTheCursorAtZero)
{
    for (const std::int32_t size : {0, -1}) {
        TestEditor e(size);
        e.core.moveDown();
        e.core.moveRight();
        e.core.moveUp();
        e.core.moveLeft();
        e.expectCursorAt(0, 0, 0, 0);
        EXPECT_EQ(e.surface.repaints, 0);
    }
}

TEST(Moves, ACursorScrolledOutOfViewIsBroughtBackFirst)
{
    TestEditor e(1000 * 16);
    e.placeCursor(10 * 16 + 4);
    e.showRowsFrom(100); // the frame scrolled away
    e.core.moveDown();
    e.expectView(10, 35);
    e.expectCursorAt(11 * 16 + 4, 11, 4, 1);
    EXPECT_EQ(e.surface.repaints, 1);
    // The old cursor is hidden where the recentred view shows it.
    ASSERT_EQ(e.surface.drawn.size(), 6u);
    e.expectCursorCells(0, 0, 4, 10 * 16 + 4, false);
    e.expectCursorCells(3, 1, 4, 11 * 16 + 4, true);
}

TEST(Moves, TheUnpaintedRowJustBelowTheViewCountsAsInView)
{
    TestEditor e(1000 * 16);
    e.placeCursor(25 * 16 + 2); // row 25 = lastVisibleRow
    e.core.moveDown();
    e.expectCursorAt(25 * 16 + 2, 25, 2, 25);
    e.expectView(0, 25);
    EXPECT_EQ(e.surface.repaints, 0);
    EXPECT_TRUE(e.surface.drawn.empty());

    e.core.moveUp();
    e.expectCursorAt(24 * 16 + 2, 24, 2, 24);
    e.expectView(0, 25);
    EXPECT_EQ(e.surface.repaints, 0);
}

TEST(Moves, KeepTheCursorConsistentOverALongRandomWalk)
{
    TestEditor e(50 * 16 + 5);
    std::mt19937 random(12345);
    for (int step = 0; step < 20000; ++step) {
        switch (random() % 4) {
        case 0: e.core.moveUp(); break;
        case 1: e.core.moveDown(); break;
        case 2: e.core.moveLeft(); break;
        default: e.core.moveRight(); break;
        }
        const EditorCore& c = e.core;
        ASSERT_EQ(c.cursorOffset, c.cursorRow * 16 + c.cursorColumn) << "step " << step;
        ASSERT_EQ(c.cursorScreenRow, c.cursorRow - c.firstVisibleRow) << "step " << step;
        ASSERT_GE(c.cursorScreenRow, 0);
        ASSERT_LT(c.cursorScreenRow, c.pageRows);
        ASSERT_EQ(c.lastVisibleRow - c.firstVisibleRow, c.pageRows);
        ASSERT_LE(c.lastVisibleRow, c.buffer.rowCount);
        ASSERT_LT(c.cursorRow, c.buffer.rowCount);
        ASSERT_LE(c.cursorOffset, c.buffer.size + 15);
        ASSERT_GE(c.cursorOffset, 0);
    }
}

} // namespace
