// The editor end to end from the test host's menu: its three window styles at
// the sizes the font gives, the refused second window, editing through the
// panes' messages down to the saved file, and a new window keeping the view
// and the document.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "tests/win32/DialogDriver.h"
#include "tests/win32/HostedEditorFixture.h"
#include "tests/win32/LayoutExpectations.h"

namespace {

using dialog_driver::DialogWatcher;

using EndToEnd = HostedEditor;

TEST_F(EndToEnd, HostMenuCreatesTheEditorInEachStyleAtTheSizeOfItsFont)
{
    struct Case {
        HostItem item;
        std::uint32_t style;
        int x, y;
        const char* name;
    };
    const Case cases[] = {
        {createTopLevel, WS_OVERLAPPEDWINDOW, 40, 40, "owned top-level"},
        {createChildWithTitle, WS_CHILD | WS_OVERLAPPEDWINDOW, 30, 30, "child with title bar"},
        {createChildBare, WS_CHILD, 20, 20, "child without title bar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hostCommand(c.item);
        const HWND frame = editorCore.frameWindow;
        ASSERT_TRUE(IsWindow(frame));
        EXPECT_TRUE(IsWindowVisible(frame));
        EXPECT_EQ(editorCore.windowStyle, c.style | WS_VSCROLL);
        EXPECT_EQ(windowTitle(frame), "Nibblor - test.exe") << "the name as the host gave it";
        EXPECT_EQ(documentBytes(), original);
        if ((c.style & WS_CHILD) != 0) {
            EXPECT_EQ(GetParent(frame), hostWindow());
        } else {
            EXPECT_EQ(GetWindow(frame, GW_OWNER), hostWindow());
            EXPECT_EQ(GetMenu(frame), editorCore.menuBar);
        }
        const RECT place = placeOf(frame);
        EXPECT_EQ(place.left, c.x);
        EXPECT_EQ(place.top, c.y);
        EXPECT_EQ(GetFocus(), hexPane.window);

        const Geometry hex = expectedGeometry(c.style, 0);
        expectLaidOut(hex, 0);
        frameCommand(11);
        const Geometry octal = expectedGeometry(c.style, 1);
        EXPECT_EQ(octal.width - hex.width, 16 * hex.charWidth);
        expectLaidOut(octal, 1);
        frameCommand(10);
        expectLaidOut(hex, 0);

        // "&Move to a random location": a place within 0 to 100 either way.
        hostCommand(moveRandomly);
        const RECT moved = placeOf(frame);
        EXPECT_EQ(moved.left, editorCore.windowX);
        EXPECT_EQ(moved.top, editorCore.windowY);
        EXPECT_TRUE(moved.left >= 0 && moved.left <= 100 && moved.top >= 0 && moved.top <= 100)
            << moved.left << "," << moved.top;
        EXPECT_EQ(windowSize(frame).cx, hex.width);

        hostCommand(destroyEditor);
        EXPECT_EQ(editorCore.frameWindow, nullptr);
        EXPECT_FALSE(IsWindow(frame));
        EXPECT_FALSE(IsWindow(hexPane.window));
    }
}

TEST_F(EndToEnd, SecondCreateIsRefusedWithAMessageAndLeavesTheFirstAlone)
{
    hostCommand(createChildBare);
    const HWND frame = editorCore.frameWindow;
    ASSERT_TRUE(IsWindow(frame));
    const std::uint32_t style = editorCore.windowStyle;

    std::string text;
    HICON icon = nullptr;
    DialogWatcher watcher([&](DialogWatcher& w) { return w.answerMessageBox("Error", IDOK, text, icon); });
    hostCommand(createTopLevel);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_EQ(text, "Cannot create more than one Nibblor window.");
    EXPECT_EQ(icon, LoadIconA(nullptr, IDI_ERROR));

    EXPECT_EQ(editorCore.frameWindow, frame);
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_EQ(editorCore.windowStyle, style);
    EXPECT_EQ(editorCore.parentWindow, hostWindow());
    EXPECT_EQ(dialog_driver::topLevelWindows(watcher.scope(), "Nibblor").size(), 0u)
        << "no second frame may be made";
}

// Hex and octal digits, characters, arrows, Tab, a click, a drag across both
// panes, Delete, the page keys, and the result saved through the Save dialog.
TEST_F(EndToEnd, EditingThroughThePanesIsSavedByteForByte)
{
    hostCommand(createChildWithTitle);
    const HWND frame = editorCore.frameWindow;
    ASSERT_TRUE(IsWindow(frame));
    EditorCore& e = editorCore;
    std::vector<std::uint8_t> expected = original;
    const HWND hex = hexPane.window;
    const HWND ascii = asciiPane.window;

    type(hex, "c3G!");
    expected[0] = 0xC3;
    EXPECT_EQ(e.cursorOffset, 1);
    EXPECT_EQ(e.digitIndex, 0);

    frameCommand(11);
    ASSERT_EQ(e.octalMode, 1);
    EXPECT_EQ(checked(11), static_cast<UINT>(MF_CHECKED));
    type(hex, "777" "400" "89a");
    expected[1] = 0xFF;
    expected[2] = 0xC0; // the first octal digit holds two bits
    EXPECT_EQ(e.cursorOffset, 3);

    type(hex, "\t");
    EXPECT_EQ(e.activePane, 2);
    EXPECT_EQ(GetFocus(), ascii);
    type(ascii, "Hi~\x7f\r");
    expected[3] = 'H';
    expected[4] = 'i';
    expected[5] = '~';
    EXPECT_EQ(e.cursorOffset, 6);

    press(ascii, VK_DOWN);
    press(ascii, VK_DOWN);
    press(ascii, VK_LEFT);
    press(ascii, VK_UP);
    press(ascii, VK_RIGHT);
    press(ascii, VK_DOWN);
    EXPECT_EQ(e.cursorOffset, 38);
    EXPECT_EQ(e.cursorRow, 2);
    EXPECT_EQ(e.cursorColumn, 6);

    frameCommand(10);
    type(ascii, "\t");
    EXPECT_EQ(e.activePane, 0);
    EXPECT_EQ(GetFocus(), hex);
    type(hex, "aB");
    expected[38] = 0xAB;
    press(hex, VK_LEFT); // to the low digit of byte 38
    type(hex, "7");
    expected[38] = 0xA7;
    EXPECT_EQ(e.cursorOffset, 39);

    // A click, then a drag from the hex pane on into the ASCII pane.
    SendMessageA(hex, WM_LBUTTONDOWN, MK_LBUTTON, hexPoint(4, 2));
    EXPECT_EQ(e.cursorOffset, 66);
    EXPECT_EQ(e.cursorScreenRow, 4);
    setLeftButton(true);
    SendMessageA(hex, WM_MOUSEMOVE, MK_LBUTTON, hexPoint(4, 9));
    EXPECT_EQ(e.selectionEndColumn, 9);
    SendMessageA(ascii, WM_MOUSEMOVE, MK_LBUTTON, asciiPoint(5, 1));
    setLeftButton(false);
    SendMessageA(ascii, WM_MOUSEMOVE, 0, asciiPoint(7, 7)); // button up: no change
    EXPECT_EQ(e.selectionEndRow, 5);
    EXPECT_EQ(e.selectionEndColumn, 1);
    press(hex, VK_DELETE);
    expected.erase(expected.begin() + 66, expected.begin() + 82);
    EXPECT_EQ(e.selectionEndRow, -1);
    EXPECT_EQ(e.cursorOffset, 65);
    ASSERT_EQ(e.buffer.size, static_cast<std::int32_t>(expected.size()));
    EXPECT_EQ(e.buffer.rowCount, 99);
    EXPECT_EQ(documentBytes(), expected);

    // The page keys go through the frame's scrolling.
    press(hex, VK_NEXT);
    EXPECT_EQ(e.firstVisibleRow, 25);
    EXPECT_EQ(e.lastVisibleRow, 50);
    EXPECT_EQ(e.cursorOffset, 65);
    EXPECT_EQ(GetScrollPos(frame, SB_VERT), EditorCore::scrollPosForRow(25, 99));
    press(ascii, VK_NEXT);
    press(ascii, VK_NEXT); // 75 + 25 would pass the last row: ignored
    EXPECT_EQ(e.firstVisibleRow, 50);
    press(hex, VK_END);
    EXPECT_EQ(e.firstVisibleRow, 74);
    EXPECT_EQ(e.lastVisibleRow, 99);
    EXPECT_EQ(e.cursorOffset, e.buffer.size);
    EXPECT_EQ(e.cursorRow, 98);
    EXPECT_EQ(e.cursorColumn, e.buffer.size - 98 * 16);
    type(hex, "ff"); // nothing to overtype at the end position
    EXPECT_EQ(e.buffer.size, static_cast<std::int32_t>(expected.size()));
    press(ascii, VK_HOME);
    EXPECT_EQ(e.firstVisibleRow, 0);
    EXPECT_EQ(e.cursorOffset, 0);
    EXPECT_EQ(GetScrollPos(frame, SB_VERT), 0);

    const std::string target = dir.file("edited copy.bin");
    ASSERT_TRUE(saveDocumentAs(target));
    EXPECT_EQ(TempDir::read(target), expected);
    EXPECT_EQ(TempDir::read(dir.file("test.exe")), original) << "the opened file must stay as it was";
    EXPECT_EQ(e.buffer.name.absolute, target);
    EXPECT_EQ(windowTitle(frame), "Nibblor - " + target);
}

// The object outlives its windows: a new one keeps the view, the cursor and
// the document with its changes, unsaved as they are.
TEST_F(EndToEnd, DestroyedEditorComesBackInTheSameViewAndCursor)
{
    hostCommand(createChildWithTitle);
    HWND frame = editorCore.frameWindow;
    ASSERT_TRUE(IsWindow(frame));
    const HWND oldHex = hexPane.window;
    frameCommand(11);
    SendMessageA(hexPane.window, WM_LBUTTONDOWN, MK_LBUTTON, hexPoint(2, 7));
    type(hexPane.window, "3");
    ASSERT_EQ(editorCore.cursorOffset, 39);
    ASSERT_EQ(editorCore.digitIndex, 1);
    ASSERT_EQ(editorCore.buffer.data[39], static_cast<std::uint8_t>((original[39] & 0x3F) | 0xC0));

    frameCommand(2000);
    EXPECT_EQ(editorCore.frameWindow, nullptr);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_FALSE(IsWindow(oldHex));

    hostCommand(createChildBare);
    frame = editorCore.frameWindow;
    ASSERT_TRUE(IsWindow(frame));
    EXPECT_NE(hexPane.window, oldHex);
    EXPECT_EQ(editorCore.octalMode, 1);
    EXPECT_EQ(checked(11), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(checked(10), 0u);
    EXPECT_EQ(editorCore.cursorOffset, 39);
    EXPECT_EQ(editorCore.cursorColumn, 7);
    EXPECT_EQ(editorCore.digitIndex, 1);
    std::vector<std::uint8_t> expected = original;
    expected[39] = static_cast<std::uint8_t>((original[39] & 0x3F) | 0xC0);
    EXPECT_EQ(documentBytes(), expected) << "the document is kept, not read again";
    EXPECT_EQ(windowTitle(frame), "Nibblor - test.exe *");
    expectLaidOut(expectedGeometry(WS_CHILD, 1), 1);
}

// A click on row 1, the window destroyed and made again: the cursor stays on
// its byte, drawn where it is, and Left, Left and "aa" change byte 15 alone.
TEST_F(EndToEnd, RecreatedEditorEditsTheByteItsCursorIsDrawnOn)
{
    EditorCore& e = editorCore;
    hostCommand(createTopLevel);
    SendMessageA(hexPane.window, WM_LBUTTONDOWN, MK_LBUTTON, hexPoint(1, 0));
    ASSERT_EQ(e.cursorOffset, 16);
    hostCommand(destroyEditor);
    hostCommand(createTopLevel);
    ASSERT_TRUE(IsWindow(e.frameWindow));
    EXPECT_EQ(e.firstVisibleRow, 0);
    EXPECT_EQ(e.cursorScreenRow, 1);

    press(hexPane.window, VK_LEFT);
    press(hexPane.window, VK_LEFT);
    EXPECT_EQ(e.firstVisibleRow, 0) << "no row before the document may be shown";
    EXPECT_EQ(e.cursorOffset, 15);
    EXPECT_EQ(e.cursorScreenRow, 0);
    EXPECT_EQ(e.cursorColumn, 15);
    type(hexPane.window, "aa");
    std::vector<std::uint8_t> expected = original;
    expected[15] = 0xAA;
    EXPECT_EQ(documentBytes(), expected);

    // The cursor, now on the first digit of byte 16, is drawn there: its box
    // takes the cursor colour, the same digit a row up does not.
    UpdateWindow(hexPane.window);
    const int w = e.charWidth;
    const int h = e.lineHeight;
    EXPECT_GT(countPixels(hexPane.window, w, h, w, h, e.activeCursorColor), w * h / 2);
    EXPECT_LT(countPixels(hexPane.window, w, 0, w, h, e.activeCursorColor), w * h / 2);
}

// Each pane draws the cursor from its first painting on: the row label and
// the character in the inactive colour, the hex pane's digit in the active one.
TEST_F(EndToEnd, NewEditorShowsTheCursorInEveryPaneAtOnce)
{
    hostCommand(createTopLevel);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const EditorCore& e = editorCore;
    const int w = e.charWidth;
    const int h = e.lineHeight;
    EXPECT_GT(countPixels(offsetPane.window, w, 0, 4 * w, h, e.inactiveCursorColor), 4 * w * h / 2);
    EXPECT_GT(countPixels(hexPane.window, w, 0, w, h, e.activeCursorColor), w * h / 2);
    EXPECT_GT(countPixels(asciiPane.window, w, 0, w, h, e.inactiveCursorColor), w * h / 2);
}

// Counts the paintings of a window that should have none.
int sentinelPaints = 0;

LRESULT CALLBACK sentinelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        ++sentinelPaints;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// No file to start on, and no panes yet while the Open dialog's file loads:
// only the editor's own windows repaint, not every window on the desktop.
TEST_F(EndToEnd, FirstOpenBeforeThePanesExistRepaintsNoOtherWindow)
{
    DeleteFileA(dir.file("test.exe").c_str());
    const std::string chosen = dir.write("chosen.bin", patternBytes(300));
    registerTestWindowClass("NibblorSentinel", sentinelProc, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // Gone again on every way out of the test, a failed assertion's too.
    const std::unique_ptr<HWND__, decltype(&DestroyWindow)> sentinel(
        CreateWindowExA(WS_EX_TOOLWINDOW, "NibblorSentinel", "", WS_POPUP, screenWidth - 40, screenHeight - 40, 30,
                        30, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr),
        &DestroyWindow);
    ASSERT_NE(sentinel, nullptr);
    ShowWindow(sentinel.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(sentinel.get());
    pumpMessages();
    offsetPane.window = hexPane.window = asciiPane.window = nullptr;
    sentinelPaints = 0;

    std::string text;
    HICON icon = nullptr;
    DialogWatcher watcher([&](DialogWatcher& w) {
        if (!w.answerMessageBox("Error", IDOK, text, icon)) {
            return false;
        }
        HWND dialog = w.waitForDialog("Open");
        if (dialog == nullptr || !w.typeFileName(dialog, chosen)) {
            return false;
        }
        dialog_driver::clickButton(dialog, IDOK);
        return w.waitUntilClosed(dialog);
    });
    hostCommand(createTopLevel);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    pumpMessages();
    EXPECT_EQ(text.rfind("Attempt to open \"test.exe\" for binary read failed.\n\n" + dir.file("test.exe") + "\n\n", 0), 0u)
        << text;
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    EXPECT_EQ(editorCore.buffer.size, 300);
    EXPECT_EQ(sentinelPaints, 0) << "a window outside the editor was repainted";
}

} // namespace
