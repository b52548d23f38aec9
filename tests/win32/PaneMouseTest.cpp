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
    SetBkColor(dc, RGB(255, 255, 0));
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

TEST_F(RowDrawingTest, ShortLastRowShowsItsBytesAndBlanks)
{
    setDocument(21); // last row: 10 11 12 13 14
    std::string hex = "10 11 12 13 14 ";
    hex.resize(48, ' ');
    expectRowText([&](HDC dc) { hexPane.drawRow(1, dc, 1, 1); }, hex);
    core.octalMode = 1;
    std::string octal = "020 021 022 023 024 ";
    octal.resize(64, ' ');
    expectRowText([&](HDC dc) { hexPane.drawRow(1, dc, 1, 1); }, octal);
    // A row past the data is all blank.
    expectRowText([&](HDC dc) { hexPane.drawRow(5, dc, 1, 1); }, std::string(64, ' '));
}

TEST_F(RowDrawingTest, FullRowInHexView)
{
    expectRowText([&](HDC dc) { hexPane.drawRow(0, dc, 1, 1); },
                  "00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f ");
}

TEST_F(RowDrawingTest, AsciiRowShowsPrintableBytesAndDots)
{
    setDocument(8);
    const std::uint8_t bytes[] = {0x00, 0x1F, 0x20, 0x41, 0x7E, 0x7F, 0x80, 0xFF};
    for (int i = 0; i < 8; ++i) {
        core.buffer.data[static_cast<std::size_t>(i)] = bytes[i];
    }
    expectRowText([&](HDC dc) { asciiPane.drawRow(0, dc, 1, 1); }, std::string(".. A~...") + std::string(8, ' '));
}

TEST_F(RowDrawingTest, OffsetLabelsAreRowOffsetsInFourWideHexadecimal)
{
    expectRowText([&](HDC dc) { offsetPane.drawRow(1, dc, 1, 1); }, "  10");
    expectRowText([&](HDC dc) { offsetPane.drawRow(256, dc, 1, 1); }, "1000");
    expectRowText([&](HDC dc) { offsetPane.drawRow(0x1000, dc, 1, 1); }, "10000");
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

struct MenuItem {
    UINT id;
    std::string text;
    bool separator;
    bool grayed;
};

std::vector<MenuItem> menuItems(HMENU menu)
{
    std::vector<MenuItem> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        items.push_back({info.wID, text, (info.fType & MFT_SEPARATOR) != 0, (info.fState & MFS_GRAYED) != 0});
    }
    return items;
}

TEST_F(PaneMouseTest, TopLevelEditorMenuOffersFileViewAndModeCommandsOnly)
{
    core.windowStyle = WS_OVERLAPPEDWINDOW;
    HMENU menu = buildContextMenu();
    const auto items = menuItems(menu);
    DestroyMenu(menu);
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[0].text, "&Open");
    EXPECT_EQ(items[0].id, 1u);
    EXPECT_EQ(items[1].text, "&Save As");
    EXPECT_EQ(items[1].id, 2u);
    EXPECT_TRUE(items[2].separator);
    EXPECT_EQ(items[3].text, "View in &Hex");
    EXPECT_EQ(items[3].id, 10u);
    EXPECT_EQ(items[4].text, "View in &Octal");
    EXPECT_EQ(items[4].id, 11u);
    EXPECT_TRUE(items[5].separator);
    EXPECT_EQ(items[6].text, "Insert &Mode");
    EXPECT_EQ(items[6].id, 24u);
}

TEST_F(PaneMouseTest, ChildEditorMenuGraysEditingItemsByState)
{
    core.windowStyle = WS_CHILD | WS_CAPTION;
    core.selectionEndRow = 0;
    core.selectionEndColumn = 4;
    ASSERT_TRUE(setClipboardText(frame, "41 42"));
    HMENU menu = buildContextMenu();
    auto items = menuItems(menu);
    DestroyMenu(menu);
    // The original eleven, then the later commands after a separator.
    ASSERT_EQ(items.size(), 18u);
    const UINT ids[] = {1, 2, 0, 6, 7, 8, 10, 11, 0, 12, 13, 0, 24, 14, 15, 16, 18, 17};
    const char* texts[] = {"&Open",          "&Save As", "",  "Cu&t",          "&Copy",         "&Paste",
                           "View in &Hex", "View in &Octal", "", "Change &Font", "Change Colo&rs",
                           "", "Insert &Mode", "Sa&ve", "&Undo", "R&edo", "Find ne&xt", "&Go to offset..."};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].separator, ids[i] == 0) << i;
        if (ids[i] != 0) {
            EXPECT_FALSE(items[i].grayed) << i;
            EXPECT_EQ(items[i].id, ids[i]) << i;
            EXPECT_EQ(items[i].text, texts[i]) << i;
        }
    }

    core.selectionEndRow = -1;
    core.selectionEndColumn = -1;
    ASSERT_TRUE(setClipboardText(frame, nullptr));
    menu = buildContextMenu();
    items = menuItems(menu);
    DestroyMenu(menu);
    ASSERT_EQ(items.size(), 18u);
    EXPECT_TRUE(items[3].grayed);
    EXPECT_TRUE(items[4].grayed);
    EXPECT_TRUE(items[5].grayed);
    EXPECT_FALSE(items[6].grayed);
    EXPECT_FALSE(items[9].grayed);
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
