// The editor window on real windows: creation, layout, view switch, scrolling
// and teardown through the frame's window procedure.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/EditorCore.h"
#include "panes/win32/PaneObjects.h"
#include "tests/native/TempDir.h"

namespace {

constexpr UINT hostStyle = WS_OVERLAPPEDWINDOW;
int parentSizeNotices = 0;

LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE && wParam == 0 && lParam == 0) {
        ++parentSizeNotices;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND makeParent()
{
    WNDCLASSEXA parentClass{};
    parentClass.cbSize = sizeof parentClass;
    parentClass.lpfnWndProc = parentProc;
    parentClass.hInstance = GetModuleHandleA(nullptr);
    parentClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    parentClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    parentClass.lpszClassName = "frameSmokeParent";
    RegisterClassExA(&parentClass);
    HWND parent = CreateWindowExA(0, "frameSmokeParent", "Test", hostStyle, 0, 0, 900, 700, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ShowWindow(parent, SW_SHOWNORMAL);
    return parent;
}

SIZE windowSize(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// The pane's place in its parent's client area.
PaneRect placeOf(HWND pane)
{
    RECT r{};
    GetWindowRect(pane, &r);
    MapWindowPoints(nullptr, GetParent(pane), reinterpret_cast<POINT*>(&r), 2);
    return PaneRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void expectPanesLaidOut(HWND frame)
{
    const HWND panes[] = {offsetPane.window, hexPane.window, asciiPane.window};
    const Pane which[] = {Pane::Offset, Pane::Hex, Pane::Ascii};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(IsWindow(panes[i])) << "pane " << i;
        EXPECT_EQ(GetParent(panes[i]), frame) << "pane " << i;
        const PaneRect want = editorCore.layout.paneRect(which[i]);
        const PaneRect got = placeOf(panes[i]);
        EXPECT_EQ(got.x, want.x) << "pane " << i;
        EXPECT_EQ(got.y, want.y) << "pane " << i;
        EXPECT_EQ(got.width, want.width) << "pane " << i;
        EXPECT_EQ(got.height, want.height) << "pane " << i;
    }
}

UINT checkState(HMENU menu, UINT item)
{
    return GetMenuState(menu, item, MF_BYCOMMAND) & MF_CHECKED;
}

class FrameSmoke : public ::testing::Test {
protected:
    // One parent for the suite: each top-level window Wine takes down costs
    // it a wait for the display.
    static void SetUpTestSuite() { parent = makeParent(); }
    static void TearDownTestSuite()
    {
        DestroyWindow(parent);
        parent = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(parent, nullptr);
        ASSERT_EQ(editorCore.frameWindow, nullptr) << "an editor window was left open";
        editorCore.octalMode = 0;
        editorCore.activePane = 0;
        editorCore.cursorOffset = 0;
        parentSizeNotices = 0;
    }

    void TearDown() override
    {
        if (editorCore.frameWindow != nullptr) {
            SendMessageA(editorCore.frameWindow, WM_COMMAND, 2000, 0);
        }
    }

    int open(const std::string& path, UINT style = WS_OVERLAPPEDWINDOW)
    {
        return editorCore.create(parent, style, 40, 40, GetModuleHandleA(nullptr), path.c_str());
    }

    // A thumb request also carries its position, as a dragged thumb's does.
    void scroll(WORD request, int thumb = 0)
    {
        if (request == SB_THUMBTRACK) {
            SetScrollPos(editorCore.frameWindow, SB_VERT, thumb, FALSE);
        }
        SendMessageA(editorCore.frameWindow, WM_VSCROLL, MAKEWPARAM(request, thumb), 0);
    }

    TempDir dir;
    static HWND parent;
};

HWND FrameSmoke::parent = nullptr;

TEST_F(FrameSmoke, CreateBuildsFrameAndPanesAtTheComputedSizes)
{
    const std::string path = dir.write("small.bin", patternBytes(100));
    ASSERT_EQ(open(path), 1);
    const HWND frame = editorCore.frameWindow;
    ASSERT_TRUE(IsWindow(frame));

    const SIZE size = windowSize(frame);
    EXPECT_EQ(size.cx, editorCore.windowWidth);
    EXPECT_EQ(size.cy, editorCore.windowHeight);
    EXPECT_GT(editorCore.charWidth, 0);
    expectPanesLaidOut(frame);

    char title[2048] = {};
    GetWindowTextA(frame, title, sizeof title);
    EXPECT_EQ(std::string(title), "Nibblor - " + path);
    EXPECT_EQ(editorCore.buffer.size, 100);
    EXPECT_EQ(editorCore.lastVisibleRow, 7);
    EXPECT_NE(editorCore.windowStyle & WS_VSCROLL, 0u);

    // The menu bar attached, the hex view checked from the start.
    EXPECT_EQ(GetMenu(frame), editorCore.menuBar);
    EXPECT_EQ(checkState(editorCore.viewMenu, 10), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(checkState(editorCore.viewMenu, 11), 0u);

    // A second editor is refused and changes nothing.
    const std::uint32_t style = editorCore.windowStyle;
    EXPECT_EQ(editorCore.create(nullptr, WS_CHILD, 0, 0, GetModuleHandleA(nullptr), path.c_str()), 0);
    EXPECT_EQ(editorCore.frameWindow, frame);
    EXPECT_EQ(editorCore.parentWindow, parent);
    EXPECT_EQ(editorCore.windowStyle, style);
}

TEST_F(FrameSmoke, OctalViewWidensAndHexViewRestores)
{
    ASSERT_EQ(open(dir.write("small.bin", patternBytes(40))), 1);
    const HWND frame = editorCore.frameWindow;
    const SIZE hex = windowSize(frame);
    const int asciiX = placeOf(asciiPane.window).x;

    SendMessageA(frame, WM_COMMAND, 11, 0);
    const SIZE octal = windowSize(frame);
    EXPECT_EQ(editorCore.octalMode, 1);
    EXPECT_EQ(octal.cx - hex.cx, 16 * editorCore.charWidth);
    EXPECT_EQ(octal.cy, hex.cy);
    EXPECT_EQ(placeOf(asciiPane.window).x - asciiX, 16 * editorCore.charWidth);
    expectPanesLaidOut(frame);
    EXPECT_EQ(checkState(editorCore.viewMenu, 11), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(checkState(editorCore.viewMenu, 10), 0u);
    EXPECT_GT(parentSizeNotices, 0);

    SendMessageA(frame, WM_COMMAND, 10, 0);
    EXPECT_EQ(windowSize(frame).cx, hex.cx);
    EXPECT_EQ(placeOf(asciiPane.window).x, asciiX);
}

TEST_F(FrameSmoke, SizingSnapsBackToTheComputedSizeAtTheNewCorner)
{
    ASSERT_EQ(open(dir.write("small.bin", patternBytes(40))), 1);
    const HWND frame = editorCore.frameWindow;
    const SIZE computed = windowSize(frame);
    parentSizeNotices = 0;
    MoveWindow(frame, 70, 90, computed.cx + 100, computed.cy - 50, TRUE);
    const SIZE after = windowSize(frame);
    EXPECT_EQ(after.cx, computed.cx);
    EXPECT_EQ(after.cy, computed.cy);
    EXPECT_EQ(editorCore.windowX, 70);
    EXPECT_EQ(editorCore.windowY, 90);
    EXPECT_GT(parentSizeNotices, 0);
}

TEST_F(FrameSmoke, DestroyCommandClearsTheFrameAndCreateWorksAgainInTheSameView)
{
    const std::string path = dir.write("small.bin", patternBytes(300));
    ASSERT_EQ(open(path), 1);
    HWND frame = editorCore.frameWindow;
    SendMessageA(frame, WM_COMMAND, 11, 0);
    SendMessageA(frame, WM_COMMAND, 2000, 0);
    EXPECT_EQ(editorCore.frameWindow, nullptr);
    EXPECT_FALSE(IsWindow(frame));

    // As a child without a title bar: no menu bar, and the view is kept.
    ASSERT_EQ(open(path, WS_CHILD), 1);
    frame = editorCore.frameWindow;
    ASSERT_TRUE(IsWindow(frame));
    EXPECT_EQ(GetParent(frame), parent);
    EXPECT_EQ(editorCore.octalMode, 1);
    EXPECT_EQ(checkState(editorCore.viewMenu, 11), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(editorCore.hexPaneWidth(1), placeOf(hexPane.window).width);
    EXPECT_EQ(windowSize(frame).cy, editorCore.textAreaHeight);
    expectPanesLaidOut(frame);

    // The child's menus were never attached; the next editor releases them.
    const HMENU childMenu = editorCore.menuBar;
    SendMessageA(frame, WM_COMMAND, 2000, 0);
    ASSERT_EQ(open(path), 1);
    EXPECT_FALSE(IsMenu(childMenu));
    EXPECT_TRUE(IsMenu(editorCore.menuBar));
}

TEST_F(FrameSmoke, ScrollRequestsMoveTheRowsAllOrNothing)
{
    ASSERT_EQ(open(dir.write("rows.bin", patternBytes(100 * 16 - 1))), 1); // 100 rows
    const HWND frame = editorCore.frameWindow;
    ASSERT_EQ(editorCore.buffer.rowCount, 100);
    UpdateWindow(hexPane.window);

    scroll(SB_LINEDOWN);
    EXPECT_EQ(editorCore.firstVisibleRow, 1);
    EXPECT_EQ(editorCore.lastVisibleRow, 26);
    EXPECT_EQ(GetScrollPos(frame, SB_VERT), 1);
    RECT dirty{};
    EXPECT_TRUE(GetUpdateRect(hexPane.window, &dirty, FALSE)) << "the panes must repaint";
    // The cursor stays on its byte.
    EXPECT_EQ(editorCore.cursorOffset, 0);
    EXPECT_EQ(editorCore.cursorScreenRow, editorCore.cursorRow - editorCore.firstVisibleRow);

    scroll(SB_LINEUP);
    scroll(SB_LINEUP); // already at the top
    EXPECT_EQ(editorCore.firstVisibleRow, 0);

    scroll(SB_PAGEDOWN);
    EXPECT_EQ(editorCore.firstVisibleRow, 25);
    scroll(SB_PAGEUP); // 25 - 25 is not above 0: ignored
    EXPECT_EQ(editorCore.firstVisibleRow, 25);
    scroll(SB_PAGEDOWN);
    scroll(SB_PAGEDOWN); // 75 + 25 reaches the end: ignored
    EXPECT_EQ(editorCore.firstVisibleRow, 50);
    EXPECT_EQ(editorCore.lastVisibleRow, 75);

    scroll(SB_THUMBTRACK, 90);
    EXPECT_EQ(editorCore.firstVisibleRow, 75);
    EXPECT_EQ(editorCore.lastVisibleRow, 100);

    scroll(SB_TOP);
    EXPECT_EQ(editorCore.firstVisibleRow, 0);
    EXPECT_EQ(editorCore.lastVisibleRow, 25);
    EXPECT_EQ(GetScrollPos(frame, SB_VERT), 0);
}

TEST_F(FrameSmoke, ThumbReachesTheLastRowsOfAFileBeyondTheScrollRange)
{
    const std::int32_t rows = 70000;
    ASSERT_EQ(open(dir.write("large.bin", patternBytes(static_cast<std::size_t>(rows - 1) * 16))), 1);
    const HWND frame = editorCore.frameWindow;
    ASSERT_EQ(editorCore.buffer.rowCount, rows);
    int low = 0;
    int high = 0;
    GetScrollRange(frame, SB_VERT, &low, &high);
    EXPECT_EQ(high, 65535);

    scroll(SB_THUMBTRACK, 65535);
    EXPECT_EQ(editorCore.lastVisibleRow, rows);
    EXPECT_EQ(editorCore.firstVisibleRow, rows - 25);

    scroll(SB_THUMBTRACK, 32768);
    EXPECT_NEAR(editorCore.firstVisibleRow, rows / 2, 2);

    scroll(SB_BOTTOM);
    EXPECT_EQ(GetScrollPos(frame, SB_VERT), 65535);
    EXPECT_EQ(editorCore.cursorOffset, editorCore.buffer.size);
}

} // namespace
