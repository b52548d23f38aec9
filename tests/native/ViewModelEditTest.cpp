// The view model's edits: deleting the selection and inserting zero bytes,
// with the cursor they leave and the scroll bar they set.
#include <gtest/gtest.h>

#include <vector>

#include "tests/native/TestEditor.h"
#include "view/Scrolling.h"

namespace {

using namespace testeditor;

// --- deleteSelection ---

TEST(DeleteSelection, CursorAtTheEarlierEndStepsBackBeforeTheRemovedRun)
{
    TestEditor e(100);
    e.placeCursor(10);
    e.selectTo(19);
    e.core.deleteSelection();
    EXPECT_EQ(e.core.buffer.size, 90);
    EXPECT_EQ(e.core.buffer.rowCount, 6);
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(e.byte(i), patternByte(i)) << i;
    }
    for (int i = 10; i < 90; ++i) {
        ASSERT_EQ(e.byte(i), patternByte(i + 10)) << i;
    }
    for (std::int64_t i = 90; i < e.core.buffer.capacity(); ++i) {
        ASSERT_EQ(e.byte(i), 0) << i;
    }
    e.expectCursorAt(9, 0, 9, 0);
    // The selection is the caller's to clear; the scroll bar follows the rows.
    EXPECT_EQ(e.core.selectionEndRow, 1);
    EXPECT_EQ(e.surface.scrollRanges, std::vector<int>{0});
    EXPECT_EQ(e.surface.scrollPositions, std::vector<int>{0});
    EXPECT_EQ(e.surface.repaints, 0);
}

TEST(DeleteSelection, CursorAtTheLaterEndStepsBackFromItsOwnOffset)
{
    TestEditor e(100);
    e.placeCursor(19);
    e.selectTo(10);
    e.core.deleteSelection();
    EXPECT_EQ(e.core.buffer.size, 90);
    EXPECT_EQ(e.byte(10), patternByte(20));
    e.expectCursorAt(18, 1, 2, 1);
}

TEST(DeleteSelection, CursorAtOffsetZeroStaysThere)
{
    TestEditor e(100);
    e.placeCursor(0);
    e.selectTo(5);
    e.core.deleteSelection();
    EXPECT_EQ(e.core.buffer.size, 94);
    EXPECT_EQ(e.byte(0), patternByte(6));
    e.expectCursorAt(0, 0, 0, 0);
}

TEST(DeleteSelection, CursorAtColumnZeroGoesToTheRowAbove)
{
    TestEditor e(100);
    e.placeCursor(3 * 16);
    e.selectTo(3 * 16 + 2);
    e.core.deleteSelection();
    e.expectCursorAt(3 * 16 - 1, 2, 15, 2);
    EXPECT_EQ(e.surface.repaints, 0);
}

TEST(DeleteSelection, CursorAtColumnZeroOfTheTopRowRecentres)
{
    TestEditor e(100 * 16);
    e.showRowsFrom(5);
    e.placeCursor(5 * 16);
    e.selectTo(5 * 16 + 20);
    e.core.deleteSelection();
    EXPECT_EQ(e.core.buffer.size, 100 * 16 - 21);
    e.expectCursorAt(5 * 16 - 1, 4, 15, 0);
    e.expectView(4, 29);
    EXPECT_EQ(e.surface.repaints, 1);
    // 100 rows less 21 bytes: 99 rows; the thumb on the cursor's row.
    EXPECT_EQ(e.surface.scrollRanges, std::vector<int>{99});
    EXPECT_EQ(e.surface.scrollPositions, std::vector<int>{4});
}

TEST(DeleteSelection, CursorScrolledAwayAboveLeavesTheView)
{
    TestEditor e(100 * 16);
    e.placeCursor(5 * 16 + 4);
    e.showRowsFrom(20); // the scroll bar has taken the view away from the cursor
    e.selectTo(21 * 16);
    e.core.deleteSelection();
    e.expectCursorAt(5 * 16 + 3, 5, 3, -15);
    e.expectView(20, 45);
    EXPECT_EQ(e.surface.repaints, 0);
}

TEST(DeleteSelection, ReachingPastTheLastByteRemovesUpToTheLastByteOnly)
{
    TestEditor e(100);
    e.placeCursor(95);
    e.selectTo(6 * 16 + 12); // clipped to the end position
    e.core.deleteSelection();
    EXPECT_EQ(e.core.buffer.size, 95);
    EXPECT_EQ(e.core.buffer.rowCount, 6);
    EXPECT_EQ(e.byte(94), patternByte(94));
    for (int i = 95; i < 100; ++i) {
        EXPECT_EQ(e.byte(i), 0) << i;
    }
    e.expectCursorAt(94, 5, 14, 5);
}

TEST(DeleteSelection, HoldingNoByteRemovesNothingButStillStepsBack)
{
    TestEditor e(20);
    e.placeCursor(26); // past the end, as moveDown leaves it
    e.selectTo(28);
    e.core.deleteSelection();
    EXPECT_EQ(e.core.buffer.size, 20);
    EXPECT_EQ(e.byte(19), patternByte(19));
    e.expectCursorAt(25, 1, 9, 1);
    EXPECT_EQ(e.surface.scrollPositions, std::vector<int>{1});
}

TEST(DeleteSelection, WithTheCursorPastTheEndKeepsItPastTheNewEnd)
{
    TestEditor e(100);
    e.placeCursor(99);
    e.selectTo(90);
    e.core.deleteSelection();
    EXPECT_EQ(e.core.buffer.size, 90);
    e.expectCursorAt(98, 6, 2, 6);
    EXPECT_EQ(e.core.buffer.byteAt(98), 0);
}

TEST(DeleteSelection, WithoutASelectionDoesNothing)
{
    TestEditor e(100);
    e.placeCursor(40);
    e.core.selectionEndRow = 3; // column still -1
    e.core.deleteSelection();
    EXPECT_EQ(e.core.buffer.size, 100);
    e.expectCursorAt(40, 2, 8, 2);
    EXPECT_TRUE(e.surface.scrollRanges.empty());
    EXPECT_TRUE(e.surface.scrollPositions.empty());
}

TEST(DeleteSelection, NeverLoadedDocumentTouchesNoMemory)
{
    TestEditor e(-1);
    e.core.selectionEndRow = 2;
    e.core.selectionEndColumn = 3;
    e.core.deleteSelection();
    EXPECT_EQ(e.core.buffer.size, 0);
    EXPECT_FALSE(e.core.buffer.data.held());
    e.expectCursorAt(0, 0, 0, 0);
}

// --- insertZeros ---

class SmallDocument : public ::testing::Test {
protected:
    SmallDocument() : e(0)
    {
        const std::uint8_t bytes[] = {1, 2, 3, 4};
        for (std::size_t i = 0; i < 4; ++i) {
            e.core.buffer.data[i] = bytes[i];
        }
        e.core.buffer.setSize(4);
        e.core.scrollToRow(0);
    }
    std::vector<int> bytes(std::int32_t count) const
    {
        std::vector<int> out;
        for (std::int32_t i = 0; i < count; ++i) {
            out.push_back(e.byte(i));
        }
        return out;
    }
    TestEditor e;
};

TEST_F(SmallDocument, InsertZerosInTheMiddleMovesTheTailUp)
{
    e.placeCursor(2);
    EXPECT_TRUE(e.core.insertZeros(3));
    EXPECT_EQ(bytes(8), (std::vector<int>{1, 2, 0, 0, 0, 3, 4, 0}));
    EXPECT_EQ(e.core.buffer.size, 7);
    EXPECT_EQ(e.core.buffer.rowCount, 1);
    e.expectCursorAt(2, 0, 2, 0);
    e.expectView(0, 1);
    EXPECT_EQ(e.surface.scrollRanges, std::vector<int>{0});
    EXPECT_EQ(e.surface.scrollPositions, std::vector<int>{0});
    EXPECT_TRUE(e.surface.drawn.empty());
    EXPECT_EQ(e.surface.repaints, 0);
}

TEST_F(SmallDocument, InsertZerosAtTheEndPositionAppends)
{
    e.placeCursor(4);
    EXPECT_TRUE(e.core.insertZeros(3));
    EXPECT_EQ(bytes(8), (std::vector<int>{1, 2, 3, 4, 0, 0, 0, 0}));
    EXPECT_EQ(e.core.buffer.size, 7);
}

TEST_F(SmallDocument, InsertZerosFillingTheRowAddsTheEmptyRow)
{
    e.placeCursor(0);
    EXPECT_TRUE(e.core.insertZeros(12));
    EXPECT_EQ(e.core.buffer.size, 16);
    EXPECT_EQ(e.core.buffer.rowCount, 2);
    EXPECT_EQ(e.byte(12), 1);
    EXPECT_EQ(e.byte(15), 4);
}

TEST_F(SmallDocument, InsertZerosRefusesWhatItCannotDoAndChangesNothing)
{
    e.placeCursor(1);
    EXPECT_FALSE(e.core.insertZeros(0));
    EXPECT_FALSE(e.core.insertZeros(-5));
    EXPECT_FALSE(e.core.insertZeros(INT32_MAX));
    EXPECT_FALSE(e.core.insertZeros(INT32_MAX - 3)); // exactly one past the limit
    EXPECT_EQ(e.core.buffer.size, 4);
    EXPECT_EQ(bytes(5), (std::vector<int>{1, 2, 3, 4, 0}));
    EXPECT_TRUE(e.surface.scrollRanges.empty());
    EXPECT_TRUE(e.surface.scrollPositions.empty());
}

TEST(InsertZeros, RefusesASizePastTheSigned32BitLimitBeforeTouchingMemory)
{
    TestEditor e(16);
    e.core.buffer.setSize(INT32_MAX - 2); // claimed only: the block is far smaller
    e.placeCursor(0);
    EXPECT_FALSE(e.core.insertZeros(3));
    EXPECT_EQ(e.core.buffer.size, INT32_MAX - 2);

    TestEditor marker(0);
    marker.core.buffer.size = -1; // a cancelled Open on an empty document
    EXPECT_FALSE(marker.core.insertZeros(4));
    EXPECT_EQ(marker.core.buffer.size, -1);
}

TEST(InsertZeros, PastTheCapacityGrowsTheBlockWithZeroSpareRoom)
{
    TestEditor e(100);
    const std::int64_t before = e.core.buffer.capacity();
    e.placeCursor(50);
    ASSERT_TRUE(e.core.insertZeros(2000));
    EXPECT_EQ(e.core.buffer.size, 2100);
    EXPECT_EQ(e.core.buffer.rowCount, 2100 / 16 + 1);
    const std::int64_t after = e.core.buffer.capacity();
    EXPECT_GT(after, before);
    EXPECT_GE(after, FileBuffer::capacityFor(2100, 16));
    for (int i = 0; i < 50; ++i) {
        ASSERT_EQ(e.byte(i), patternByte(i)) << i;
    }
    for (int i = 50; i < 2050; ++i) {
        ASSERT_EQ(e.byte(i), 0) << i;
    }
    for (int i = 2050; i < 2100; ++i) {
        ASSERT_EQ(e.byte(i), patternByte(i - 2000)) << i;
    }
    for (std::int64_t i = 2100; i < after; ++i) {
        ASSERT_EQ(e.byte(i), 0) << i;
    }
    EXPECT_EQ(e.surface.scrollRanges, std::vector<int>{2100 / 16 + 1});
    EXPECT_EQ(e.surface.scrollPositions, std::vector<int>{3});
}

TEST(InsertZeros, ManySmallInsertionsKeepEveryByteInPlace)
{
    TestEditor e(300);
    e.placeCursor(0);
    for (int i = 0; i < 1500; ++i) {
        ASSERT_TRUE(e.core.insertZeros(1));
    }
    EXPECT_EQ(e.core.buffer.size, 1800);
    for (int i = 0; i < 1500; ++i) {
        ASSERT_EQ(e.byte(i), 0) << i;
    }
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(e.byte(1500 + i), patternByte(i)) << i;
    }
    EXPECT_GE(e.core.buffer.capacity(), FileBuffer::capacityFor(1800, 16));
}

TEST(InsertZeros, WithTheCursorPastTheEndAppendsWithinTheNewSize)
{
    TestEditor e(20);
    e.placeCursor(26);
    ASSERT_TRUE(e.core.insertZeros(3));
    EXPECT_EQ(e.core.buffer.size, 23);
    EXPECT_EQ(e.byte(19), patternByte(19));
    for (std::int64_t i = 20; i < e.core.buffer.capacity(); ++i) {
        ASSERT_EQ(e.byte(i), 0) << i;
    }
    EXPECT_EQ(e.core.cursorOffset, 26);
}

TEST(InsertZeros, IntoANeverLoadedDocumentMakesItsBlock)
{
    TestEditor e(-1);
    ASSERT_TRUE(e.core.insertZeros(5));
    EXPECT_EQ(e.core.buffer.size, 5);
    EXPECT_EQ(e.core.buffer.rowCount, 1);
    ASSERT_TRUE(e.core.buffer.data.held());
    EXPECT_GE(e.core.buffer.capacity(), FileBuffer::capacityFor(5, 16));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(e.byte(i), 0);
    }
}

TEST(InsertZeros, WithoutASurfaceStillEdits)
{
    TestEditor e(40);
    e.core.shell.surface = nullptr;
    e.placeCursor(3);
    EXPECT_TRUE(e.core.insertZeros(2));
    e.selectTo(4);
    e.core.deleteSelection();
    EXPECT_EQ(e.core.buffer.size, 40);
    EXPECT_EQ(e.byte(3), patternByte(3));
    e.core.moveRight();
    e.core.recenterOnCursor();
}

} // namespace
