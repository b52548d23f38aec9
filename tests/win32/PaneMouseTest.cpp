// The pane windows' mouse handling, row drawing and the context menu.
#include "tests/win32/PaneTestFixture.h"

namespace {

// A suite of its own per file: each file has its own copy of the fixture.
class PaneMouseTest : public PaneTest {};

// --- Mouse ---

TEST_F(PaneMouseTest, HexClickPlacesTheCursorClearsTheSelectionAndKeepsTheDigit)
{
    SetFocus(asciiPane.window);
    core.digitIndex = 1;
    core.selectionEndRow = 2;
    core.selectionEndColumn = 2;
    SendMessageA(hexPane.window, WM_LBUTTONDOWN, MK_LBUTTON, hexPoint(1, 5));
    EXPECT_EQ(core.cursorOffset, 21);
    EXPECT_EQ(core.cursorRow, 1);
    EXPECT_EQ(core.cursorScreenRow, 1);
    EXPECT_EQ(core.cursorColumn, 5);
    EXPECT_FALSE(core.hasSelection());
    EXPECT_EQ(core.activePane, 0);
    EXPECT_EQ(GetFocus(), hexPane.window);
    type(hexPane.window, "7");
    EXPECT_EQ(byte(21), 0x17); // the low four bits of 0x15
}

TEST_F(PaneMouseTest, AsciiClickPlacesTheCursorAndKeepsTheSelectionEnd)
{
    core.selectionEndRow = 1;
    core.selectionEndColumn = 4;
    SendMessageA(asciiPane.window, WM_LBUTTONDOWN, MK_LBUTTON, asciiPoint(2, 8));
    EXPECT_EQ(core.cursorOffset, 40);
    EXPECT_EQ(core.cursorColumn, 8);
    EXPECT_EQ(core.cursorScreenRow, 2);
    EXPECT_EQ(core.selectionEndRow, 1);
    EXPECT_EQ(core.selectionEndColumn, 4);
    EXPECT_EQ(core.activePane, 2);
    EXPECT_EQ(GetFocus(), asciiPane.window);
}

TEST_F(PaneMouseTest, DragWithTheLeftButtonMovesTheSelectionEnd)
{
    SendMessageA(hexPane.window, WM_MOUSEMOVE, 0, hexPoint(1, 3));
    EXPECT_FALSE(core.hasSelection()); // button up: nothing

    setLeftButton(true);
    SendMessageA(hexPane.window, WM_MOUSEMOVE, MK_LBUTTON, hexPoint(1, 3));
    EXPECT_EQ(core.selectionEndRow, 1);
    EXPECT_EQ(core.selectionEndColumn, 3);
    // Into the ASCII pane: the same selection goes on.
    SendMessageA(asciiPane.window, WM_MOUSEMOVE, MK_LBUTTON, asciiPoint(3, 9));
    EXPECT_EQ(core.selectionEndRow, 3);
    EXPECT_EQ(core.selectionEndColumn, 9);
    EXPECT_EQ(core.cursorOffset, 0); // the cursor end stays
}

TEST_F(PaneMouseTest, DragAboveAndLeftOfThePaneStopsAtTheFirstCell)
{
    setLeftButton(true);
    SendMessageA(asciiPane.window, WM_MOUSEMOVE, MK_LBUTTON, pointParam(-50, -5 * core.lineHeight));
    EXPECT_EQ(core.selectionEndRow, 0);
    EXPECT_EQ(core.selectionEndColumn, 0);
    EXPECT_TRUE(core.hasSelection());
    SendMessageA(hexPane.window, WM_MOUSEMOVE, MK_LBUTTON, pointParam(-1, -1));
    EXPECT_EQ(core.selectionEndRow, 0);
    EXPECT_EQ(core.selectionEndColumn, 0);
}

// --- Row drawing ---

// Pixels of what `draw` puts on a white 32-bit bitmap with the editor's font.
template <typename Draw>
std::vector<std::uint32_t> render(Draw draw, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previousBitmap = SelectObject(dc, bitmap);
    std::memset(bits, 0xFF, static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    HGDIOBJ previousFont = SelectObject(dc, editorCore.font);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, editorCore.backgroundColor); // as the pane paints its rows
    draw(dc);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> result(pixels, pixels + width * height);
    SelectObject(dc, previousFont);
    SelectObject(dc, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return result;
}

class RowDrawingTest : public PaneTest {
protected:
    // Compares a pane's row with the expected text drawn by TextOutA at the same place.
    template <typename Draw>
    void expectRowText(Draw drawRow, const std::string& expected)
    {
        const int width = (static_cast<int>(expected.size()) + 4) * core.charWidth;
        const int height = 3 * core.lineHeight;
        const auto drawn = render(drawRow, width, height);
        const auto wanted = render(
            [&](HDC dc) {
                TextOutA(dc, core.charWidth, core.lineHeight, expected.data(), static_cast<int>(expected.size()));
            },
            width, height);
        EXPECT_TRUE(drawn == wanted) << "row does not read \"" << expected << "\"";
    }
};

TEST_F(RowDrawingTest, FullRowInHexView)
{
    expectRowText([&](HDC dc) { hexPane.drawRow(0, dc, 1, 1); },
                  "00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f ");
}

// --- Painting ---


TEST_F(PaneMouseTest, PaintDrawsRowsThenTheCursorThenTheSelection)
{
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF green = RGB(0, 255, 0);
    const COLORREF white = RGB(255, 255, 255);
    core.activeCursorColor = red;
    core.selectionColor = green;
    placeCursor(17); // screen row 1, column 1
    const int w = core.charWidth;
    const int h = core.lineHeight;
    RedrawWindow(hexPane.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    // Only the digit at digitIndex carries the active cursor.
    EXPECT_GT(countPixels(hexPane.window, 4 * w, h, w, h, red), 0);
    EXPECT_EQ(countPixels(hexPane.window, 5 * w, h, w, h, red), 0);
    EXPECT_GT(countPixels(hexPane.window, w, 0, 2 * w, h, white), 0); // row 0's first number

    core.selectionEndRow = 2;
    core.selectionEndColumn = 0; // offset 32
    RedrawWindow(asciiPane.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_GT(countPixels(hexPane.window, w, 2 * h, 2 * w, h, green), 0);
    EXPECT_GT(countPixels(asciiPane.window, w, 2 * h, w, h, green), 0);
    EXPECT_EQ(countPixels(asciiPane.window, 2 * w, 2 * h, w, h, green), 0); // past the selection end
}

// --- Context menu ---

// Each item's greying by position, separators included.
std::vector<bool> greyedItems(HMENU menu)
{
    std::vector<bool> greyed;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        greyed.push_back((GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) != 0);
    }
    return greyed;
}

// The native table test lays the menu out and checks its rules; here the
// selection and the system clipboard grey Cut, Copy and Paste (items 3 to 5).
TEST_F(PaneMouseTest, ChildEditorMenuGraysEditingItemsByState)
{
    core.windowStyle = WS_CHILD | WS_CAPTION;
    for (const bool filled : {true, false}) {
        core.selectionEndRow = filled ? 0 : -1;
        core.selectionEndColumn = filled ? 4 : -1;
        ASSERT_TRUE(setClipboardText(frame, filled ? "41 42" : nullptr));
        HMENU menu = buildContextMenu();
        const std::vector<bool> greyed = greyedItems(menu);
        DestroyMenu(menu);
        ASSERT_EQ(greyed.size(), 19u);
        for (std::size_t i = 3; i <= 5; ++i) {
            EXPECT_EQ(greyed[i], !filled) << i;
        }
        EXPECT_FALSE(greyed[6]);
    }
}

// Where the popup opened, found while it tracks; then it is closed.
RECT popupRect;
bool popupSeen = false;

void CALLBACK closePopup(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND popup = FindWindowA("#32768", nullptr);
    if (popup != nullptr && IsWindowVisible(popup)) {
        GetWindowRect(popup, &popupRect);
        popupSeen = true;
    }
    KillTimer(nullptr, timer);
    EndMenu();
}

// Screen position of the popup opened by a right click at a pane point.
POINT popupAfterRightClick(HWND pane, int x, int y)
{
    popupSeen = false;
    SetTimer(nullptr, 0, 200, closePopup);
    SendMessageA(pane, WM_RBUTTONDOWN, MK_RBUTTON, pointParam(x, y));
    return POINT{popupRect.left, popupRect.top};
}

TEST_F(PaneMouseTest, ContextMenuOpensAtTheClickedPoint)
{
    const POINT fromHex = popupAfterRightClick(hexPane.window, 30, 40);
    ASSERT_TRUE(popupSeen);
    POINT expected{30, 40};
    ClientToScreen(hexPane.window, &expected);
    EXPECT_EQ(fromHex.x, expected.x);
    EXPECT_EQ(fromHex.y, expected.y);

    const POINT fromAscii = popupAfterRightClick(asciiPane.window, 10, 20);
    ASSERT_TRUE(popupSeen);
    expected = POINT{10, 20};
    ClientToScreen(asciiPane.window, &expected);
    EXPECT_EQ(fromAscii.x, expected.x);
    EXPECT_EQ(fromAscii.y, expected.y);
    EXPECT_EQ(core.cursorOffset, 0); // the cursor and selection stay
    EXPECT_FALSE(core.hasSelection());
    EXPECT_TRUE(frameReceived.empty());
}

} // namespace
