// The pane windows' keyboard: typing, focus, keys and the messages sent to the frame.
#include "tests/win32/PaneTestFixture.h"

namespace {

// A suite of its own per file: each file has its own copy of the fixture.
class PaneKeyboardTest : public PaneTest {};

// --- Typing ---

TEST_F(PaneKeyboardTest, HexDigitsOvertypeHighThenLowFourBits)
{
    core.buffer.data[0] = 0x5A;
    type(hexPane.window, "c");
    EXPECT_EQ(byte(0), 0xCA);
    EXPECT_EQ(core.digitIndex, 1);
    EXPECT_EQ(core.cursorOffset, 0);
    type(hexPane.window, "3");
    EXPECT_EQ(byte(0), 0xC3);
    EXPECT_EQ(core.digitIndex, 0);
    EXPECT_EQ(core.cursorOffset, 1);
    EXPECT_EQ(core.cursorColumn, 1);
    type(hexPane.window, "Fe");
    EXPECT_EQ(byte(1), 0xFE);
    EXPECT_EQ(core.buffer.size, 100);
}

TEST_F(PaneKeyboardTest, AsciiTypingStoresPrintableCodesOnly)
{
    SetFocus(asciiPane.window);
    type(asciiPane.window, "A~");
    EXPECT_EQ(byte(0), 0x41);
    EXPECT_EQ(byte(1), 0x7E);
    EXPECT_EQ(core.cursorOffset, 2);
    type(asciiPane.window, "\x7F\r\x80\xE9\x01");
    EXPECT_EQ(byte(2), 0x02);
    EXPECT_EQ(core.cursorOffset, 2);
}

// --- Focus ---

TEST_F(PaneKeyboardTest, TabMovesInputBetweenTheDataPanes)
{
    ASSERT_EQ(GetFocus(), hexPane.window);
    EXPECT_EQ(core.activePane, 0);
    type(hexPane.window, "\t");
    EXPECT_EQ(core.activePane, 2);
    EXPECT_EQ(GetFocus(), asciiPane.window);
    type(asciiPane.window, "\t");
    EXPECT_EQ(core.activePane, 0);
    EXPECT_EQ(GetFocus(), hexPane.window);
    EXPECT_EQ(core.cursorOffset, 0); // the cursor stays on its byte
}

TEST_F(PaneKeyboardTest, OffsetPaneHandsTheFocusToTheActiveDataPane)
{
    SetFocus(asciiPane.window);
    ASSERT_EQ(core.activePane, 2);
    SetFocus(offsetPane.window);
    EXPECT_EQ(GetFocus(), asciiPane.window);
    SetFocus(hexPane.window);
    SetFocus(offsetPane.window);
    EXPECT_EQ(GetFocus(), hexPane.window);
    EXPECT_EQ(core.activePane, 0);
}

// --- Messages to the frame ---

TEST_F(PaneKeyboardTest, ControlCharactersAndInsertBecomeFrameCommands)
{
    type(hexPane.window, "\x03\x18");
    type(asciiPane.window, "\x16");
    press(asciiPane.window, VK_INSERT);
    ASSERT_EQ(frameReceived.size(), 4u);
    const WPARAM expected[] = {7, 6, 8, 9};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(frameReceived[i].message, static_cast<UINT>(WM_COMMAND));
        EXPECT_EQ(frameReceived[i].wParam, expected[i]);
    }
    EXPECT_EQ(byte(0), 0x00);
}

TEST_F(PaneKeyboardTest, PageAndJumpKeysScrollTheFrameAfterClearingTheSelection)
{
    core.selectionEndRow = 1;
    core.selectionEndColumn = 3;
    press(hexPane.window, VK_NEXT);
    EXPECT_FALSE(core.hasSelection());
    press(asciiPane.window, VK_PRIOR);
    press(hexPane.window, VK_HOME);
    press(asciiPane.window, VK_END);
    ASSERT_EQ(frameReceived.size(), 4u);
    const WPARAM expected[] = {SB_PAGEDOWN, SB_PAGEUP, SB_TOP, SB_BOTTOM};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(frameReceived[i].message, static_cast<UINT>(WM_VSCROLL));
        EXPECT_EQ(frameReceived[i].wParam, expected[i]);
    }
}

// --- Arrow keys ---

TEST_F(PaneKeyboardTest, HexLeftAndRightStepThroughDigits)
{
    placeCursor(1);
    core.digitIndex = 1;
    press(hexPane.window, VK_LEFT);
    EXPECT_EQ(core.cursorOffset, 1);
    EXPECT_EQ(core.digitIndex, 0);
    press(hexPane.window, VK_LEFT);
    EXPECT_EQ(core.cursorOffset, 0);
    EXPECT_EQ(core.digitIndex, 1);
    press(hexPane.window, VK_LEFT);
    press(hexPane.window, VK_LEFT);
    EXPECT_EQ(core.cursorOffset, 0);
    EXPECT_EQ(core.digitIndex, 0);
    press(hexPane.window, VK_RIGHT);
    EXPECT_EQ(core.digitIndex, 1);
    press(hexPane.window, VK_RIGHT);
    EXPECT_EQ(core.cursorOffset, 1);
    EXPECT_EQ(core.digitIndex, 0);
    press(hexPane.window, VK_DOWN);
    EXPECT_EQ(core.cursorOffset, 17);
    press(hexPane.window, VK_UP);
    EXPECT_EQ(core.cursorOffset, 1);
}

// --- Delete ---

TEST_F(PaneKeyboardTest, DeleteRemovesTheSelectedBytesOnly)
{
    placeCursor(10);
    core.selectionEndRow = 1; // offset 19
    core.selectionEndColumn = 3;
    press(hexPane.window, VK_DELETE);
    EXPECT_EQ(core.buffer.size, 90);
    EXPECT_EQ(byte(9), 9);
    EXPECT_EQ(byte(10), 20);
    EXPECT_EQ(byte(89), 99);
    EXPECT_EQ(byte(90), 0);
    EXPECT_FALSE(core.hasSelection());
    EXPECT_EQ(core.cursorOffset, 9);

    press(asciiPane.window, VK_DELETE); // no selection now
    EXPECT_EQ(core.buffer.size, 90);
    EXPECT_EQ(byte(9), 9);
    EXPECT_EQ(core.cursorOffset, 9);
}

} // namespace
