// The geometry measured from the real font and system, and the frame's
// placement, focus and scroll bar on real windows.
#include "tests/win32/PaneWindowsTest.h"

namespace {

using ShellGeometryTest = PaneWindowsTest;

struct MeasuredGeometry {
    std::int32_t lineHeight, charWidth, textAreaHeight, windowWidth, windowHeight;
};

MeasuredGeometry geometryOf(const EditorCore& e)
{
    return {e.lineHeight, e.charWidth, e.textAreaHeight, e.windowWidth, e.windowHeight};
}

void expectSameGeometry(const MeasuredGeometry& actual, const MeasuredGeometry& expected)
{
    EXPECT_EQ(actual.lineHeight, expected.lineHeight);
    EXPECT_EQ(actual.charWidth, expected.charWidth);
    EXPECT_EQ(actual.textAreaHeight, expected.textAreaHeight);
    EXPECT_EQ(actual.windowWidth, expected.windowWidth);
    EXPECT_EQ(actual.windowHeight, expected.windowHeight);
}

TEST_F(ShellGeometryTest, ComputeGeometryMeasuresTheRealFontAndSystem)
{
    EditorCore& e = editorCore;
    FontMetrics font;
    font.height = metrics_.tmHeight;
    font.externalLeading = metrics_.tmExternalLeading;
    font.averageCharWidth = metrics_.tmAveCharWidth;
    FrameMetrics system;
    system.menuHeight = GetSystemMetrics(SM_CYMENU);
    system.captionHeight = GetSystemMetrics(SM_CYCAPTION);
    system.frameWidth = GetSystemMetrics(SM_CXFRAME);
    system.scrollBarWidth = GetSystemMetrics(SM_CYVSCROLL);

    struct Case {
        HWND parent;
        std::uint32_t style;
    };
    const Case cases[] = {{nullptr, WS_OVERLAPPEDWINDOW}, {top_, WS_CHILD | WS_VSCROLL},
                          {top_, WS_CHILD | WS_OVERLAPPEDWINDOW | WS_VSCROLL}};
    for (const Case& c : cases) {
        MeasuredGeometry views[2];
        for (int octal : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << c.style << ", octal " << octal);
            e.parentWindow = c.parent;
            e.windowStyle = c.style;
            e.octalMode = octal;
            e.windowDC = nullptr;
            e.computeGeometry();
            EXPECT_EQ(e.windowDC, nullptr) << "the measuring context is given back, not kept";

            EditorCore expected;
            expected.parentWindow = c.parent;
            expected.windowStyle = c.style;
            expected.octalMode = octal;
            expected.layout.apply(font, system);
            views[octal] = geometryOf(e);
            expectSameGeometry(views[octal], geometryOf(expected));
        }
        EXPECT_EQ(views[1].windowWidth - views[0].windowWidth, 16 * views[0].charWidth);
        EXPECT_EQ(views[1].windowHeight, views[0].windowHeight);
    }
    // A child without a caption or thick frame is exactly the panes' height.
    e.parentWindow = top_;
    e.windowStyle = WS_CHILD | WS_VSCROLL;
    e.octalMode = 0;
    e.computeGeometry();
    EXPECT_EQ(e.windowHeight, e.textAreaHeight);
    EXPECT_EQ(e.windowWidth, 75 * e.charWidth + system.scrollBarWidth + 4);
    EXPECT_EQ(e.textAreaHeight, 25 * e.lineHeight + (8 * e.lineHeight) / 10);

    // A frame's context stored by the creation stays where it is.
    HDC frameDc = GetDC(top_);
    e.windowDC = frameDc;
    e.computeGeometry();
    EXPECT_EQ(e.windowDC, frameDc);
    ReleaseDC(top_, frameDc);
}

TEST_F(ShellGeometryTest, MoveKeepsTheComputedSizeAndRecordsThePlace)
{
    EditorCore& e = editorCore;
    e.move(7, 9); // no frame yet: only recorded
    EXPECT_EQ(e.windowX, 7);
    EXPECT_EQ(e.windowY, 9);

    e.frameWindow = top_;
    e.move(30, 40);
    RECT placed{};
    GetWindowRect(top_, &placed);
    EXPECT_EQ(placed.left, 30);
    EXPECT_EQ(placed.top, 40);
    EXPECT_EQ(placed.right - placed.left, e.windowWidth);
    EXPECT_EQ(placed.bottom - placed.top, e.windowHeight);
    EXPECT_EQ(e.windowX, 30);
    EXPECT_EQ(e.windowY, 40);
}

TEST_F(ShellGeometryTest, FocusGoesToTheActiveDataPane)
{
    EditorCore& e = editorCore;
    SetForegroundWindow(top_);
    e.activePane = 2;
    e.focusActivePane();
    EXPECT_EQ(GetFocus(), asciiPane.window);
    e.activePane = 0;
    e.focusActivePane();
    EXPECT_EQ(GetFocus(), hexPane.window);

    // Without panes the focus stays where it is.
    const HWND hex = hexPane.window;
    hexPane.window = nullptr;
    e.focusActivePane();
    EXPECT_EQ(GetFocus(), hex);
    hexPane.window = hex;
}

TEST_F(ShellGeometryTest, ScrollRangeAndPositionOnTheFrame)
{
    EditorCore& e = editorCore;
    HWND frame = CreateWindowExA(0, windowClassName, "Frame", WS_OVERLAPPEDWINDOW | WS_VSCROLL, 0, 0,
                                 300, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(frame, nullptr);
    // The range itself is the core's (native ScrollBar tests); here the frame's bar takes it.
    e.buffer.rowCount = 300;
    e.frameWindow = frame;
    e.updateScrollRange();
    e.shell.surface->setScrollPosition(120);
    int low = -1;
    int high = -1;
    GetScrollRange(frame, SB_VERT, &low, &high);
    EXPECT_EQ(high, 300);
    EXPECT_EQ(GetScrollPos(frame, SB_VERT), 120);
    DestroyWindow(frame);
}

} // namespace
