// The cursor and the selection drawn through GDI into real pane windows, read
// back pixel by pixel.
#include <string>
#include <vector>

#include "tests/win32/PaneWindowsTest.h"

namespace {

// A pane's client area copied into a 32-bit DIB.
class PaneCapture {
public:
    explicit PaneCapture(HWND window)
    {
        RECT client{};
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_; // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        HDC windowDc = GetDC(window);
        HDC memory = CreateCompatibleDC(windowDc);
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bitmap != nullptr && bits != nullptr) {
            const HGDIOBJ previous = SelectObject(memory, bitmap);
            BitBlt(memory, 0, 0, width_, height_, windowDc, 0, 0, SRCCOPY);
            GdiFlush();
            const auto* first = static_cast<const std::uint32_t*>(bits);
            pixels_.assign(first, first + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
            SelectObject(memory, previous);
            DeleteObject(bitmap);
        }
        DeleteDC(memory);
        ReleaseDC(window, windowDc);
    }

    bool valid() const { return !pixels_.empty(); }
    int width() const { return width_; }
    int height() const { return height_; }

    COLORREF at(int x, int y) const
    {
        const std::uint32_t p = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                        static_cast<std::size_t>(x)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

class RenderingTest : public PaneWindowsTest {
protected:
    // Paints screen rows 0..3 in normal colours, as the panes' own painting does.
    void paintRows()
    {
        EditorCore& e = editorCore;
        ViewSurface& surface = gdiSurface();
        for (int row = 0; row < 4; ++row) {
            std::string numbers;
            std::string characters;
            char cell[8];
            for (int column = 0; column < e.bytesPerRow; ++column) {
                const std::int32_t offset = row * e.bytesPerRow + column;
                e.cellText(offset, e.octalMode != 0 ? CellKind::Octal : CellKind::Hex, cell);
                numbers += cell;
                e.cellText(offset, CellKind::Character, cell);
                characters += cell;
            }
            const int y = row * e.lineHeight;
            surface.drawText(Pane::Hex, e.charWidth, y, numbers, e.textColor, e.backgroundColor);
            surface.drawText(Pane::Ascii, e.charWidth, y, characters, e.textColor, e.backgroundColor);
        }
    }

    // Pixels of the given colour in character k of screen row s: the box that
    // TextOutA fills for one character.
    int countIn(const PaneCapture& capture, int k, int s, COLORREF color)
    {
        const int left = k * editorCore.charWidth;
        const int top = s * editorCore.lineHeight;
        EXPECT_LE(left + editorCore.charWidth, capture.width()) << "character " << k << " is off the pane";
        EXPECT_LE(top + metrics_.tmHeight, capture.height()) << "row " << s << " is off the pane";
        int count = 0;
        for (int y = top; y < top + metrics_.tmHeight && y < capture.height(); ++y) {
            for (int x = left; x < left + editorCore.charWidth && x < capture.width(); ++x) {
                count += capture.at(x, y) == color ? 1 : 0;
            }
        }
        return count;
    }

    int boxArea() const { return editorCore.charWidth * metrics_.tmHeight; }

    // Character k of row s is a box of `color` behind a glyph: most of its pixels.
    void expectBackground(const PaneCapture& capture, int k, int s, COLORREF color, const char* what)
    {
        EXPECT_GE(countIn(capture, k, s, color), boxArea() / 2)
            << what << ": character " << k << " of screen row " << s << " lacks background 0x" << std::hex
            << color;
    }

    void expectNone(const PaneCapture& capture, int k, int s, COLORREF color, const char* what)
    {
        EXPECT_EQ(countIn(capture, k, s, color), 0)
            << what << ": character " << k << " of screen row " << s << " shows colour 0x" << std::hex << color;
    }

    // The glyph pixels of character k of row s (its box, row by row).
    std::vector<COLORREF> glyph(const PaneCapture& capture, int k, int s)
    {
        std::vector<COLORREF> box;
        const int left = k * editorCore.charWidth;
        const int top = s * editorCore.lineHeight;
        for (int y = top; y < top + metrics_.tmHeight; ++y) {
            for (int x = left; x < left + editorCore.charWidth; ++x) {
                box.push_back(capture.at(x, y));
            }
        }
        return box;
    }

};

TEST_F(RenderingTest, HexViewCursorIsTheOneDigitInTheActivePane)
{
    EditorCore& e = editorCore;
    e.buffer.data[21] = 0x4B; // screen row 1, column 5
    paintRows();
    const PaneCapture before(hexPane.window);
    ASSERT_TRUE(before.valid());

    e.showCursor(1, 5, 21, 1);
    const PaneCapture hex(hexPane.window);
    expectBackground(hex, 17, 1, activeColor, "digit 1 of cell 5");
    for (int k : {15, 16, 18, 19}) {
        expectNone(hex, k, 1, activeColor, "around the cursor digit");
        expectNone(hex, k, 1, inactiveColor, "around the cursor digit");
        expectBackground(hex, k, 1, backColor, "around the cursor digit");
    }
    expectNone(hex, 17, 0, activeColor, "the row above");
    expectNone(hex, 17, 2, activeColor, "the row below");

    const PaneCapture ascii(asciiPane.window);
    expectBackground(ascii, 6, 1, inactiveColor, "the character cell 'K'");
    expectNone(ascii, 6, 1, activeColor, "the character cell 'K'");
    expectNone(ascii, 5, 1, inactiveColor, "the character before");
    expectNone(ascii, 7, 1, inactiveColor, "the character after");

    const PaneCapture offsets(offsetPane.window);
    for (int k = 1; k <= 4; ++k) {
        expectBackground(offsets, k, 1, inactiveColor, "the row label");
    }
    expectNone(offsets, 1, 0, inactiveColor, "the label of another row");

    // Hiding puts back exactly what the row painting drew.
    e.hideCursor(1, 5, 21, 1);
    const PaneCapture after(hexPane.window);
    for (int k = 13; k <= 20; ++k) {
        EXPECT_EQ(glyph(after, k, 1), glyph(before, k, 1)) << "character " << k << " after hiding the cursor";
    }
}

TEST_F(RenderingTest, SelectionAcrossARowEndKeepsItsGapsFilled)
{
    EditorCore& e = editorCore;
    // Either end may be the cursor: (screen row, column, offset) of each.
    const int ends[2][3] = {{2, 14, 46}, {3, 1, 49}};
    for (int cursorEnd : {0, 1}) {
        SCOPED_TRACE(cursorEnd == 0 ? "cursor first" : "cursor last");
        const int* cursor = ends[cursorEnd];
        const int* other = ends[1 - cursorEnd];
        e.cursorScreenRow = cursor[0];
        e.cursorColumn = cursor[1];
        e.cursorOffset = cursor[2];
        e.selectionEndRow = other[0];
        e.selectionEndColumn = other[1];
        paintRows();
        e.highlightSelection();

        const PaneCapture hex(hexPane.window);
        expectNone(hex, 42, 2, selectedColor, "the space before cell 14");
        for (int k = 43; k <= 47; ++k) {
            expectBackground(hex, k, 2, selectedColor, "cells 14 and 15 with the gap between");
        }
        expectNone(hex, 48, 2, selectedColor, "after the last cell of the row");
        expectNone(hex, 0, 3, selectedColor, "before cell 0");
        for (int k = 1; k <= 5; ++k) {
            expectBackground(hex, k, 3, selectedColor, "cells 0 and 1 with the gap between");
        }
        expectNone(hex, 6, 3, selectedColor, "after the selection's last cell");
        expectNone(hex, 40, 2, selectedColor, "cell 13");
        expectNone(hex, 7, 3, selectedColor, "cell 2");

        const PaneCapture ascii(asciiPane.window);
        expectNone(ascii, 14, 2, selectedColor, "character of cell 13");
        expectBackground(ascii, 15, 2, selectedColor, "character of cell 14");
        expectBackground(ascii, 16, 2, selectedColor, "character of cell 15");
        expectBackground(ascii, 1, 3, selectedColor, "character of cell 0");
        expectBackground(ascii, 2, 3, selectedColor, "character of cell 1");
        expectNone(ascii, 3, 3, selectedColor, "character of cell 2");

        e.unhighlightSelection();
        const PaneCapture hexAfter(hexPane.window);
        const PaneCapture asciiAfter(asciiPane.window);
        for (int k = 40; k <= 48; ++k) {
            expectNone(hexAfter, k, 2, selectedColor, "unhighlighted");
        }
        for (int k = 0; k <= 7; ++k) {
            expectNone(hexAfter, k, 3, selectedColor, "unhighlighted");
            expectNone(asciiAfter, k, 3, selectedColor, "unhighlighted");
        }
    }
}

TEST_F(RenderingTest, SurfaceRepaintErasesTheDirectDrawing)
{
    EditorCore& e = editorCore;
    ViewSurface& surface = gdiSurface();
    EXPECT_TRUE(surface.paneExists(Pane::Offset));
    EXPECT_TRUE(surface.paneExists(Pane::Hex));
    EXPECT_TRUE(surface.paneExists(Pane::Ascii));

    paintRows();
    e.showCursor(0, 0, 0, 0);
    ASSERT_GT(countIn(PaneCapture(hexPane.window), 1, 0, activeColor), 0);
    surface.repaintPanes(Repaint::now);
    // The panes' own painting is the class background here: all of it.
    for (HWND window : {offsetPane.window, hexPane.window, asciiPane.window}) {
        const PaneCapture pane(window);
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(countIn(pane, k, 0, backColor), boxArea()) << "character " << k;
        }
    }

    // A destroyed pane no longer exists, and drawing into it does nothing.
    DestroyWindow(asciiPane.window);
    EXPECT_FALSE(surface.paneExists(Pane::Ascii));
    e.showCursor(0, 0, 0, 0);
    asciiPane.window = nullptr;
    EXPECT_FALSE(surface.paneExists(Pane::Ascii));
    e.showCursor(0, 0, 0, 0);
    surface.repaintPanes(Repaint::now);
    EXPECT_EQ(countIn(PaneCapture(hexPane.window), 1, 0, activeColor), 0);
}

} // namespace
