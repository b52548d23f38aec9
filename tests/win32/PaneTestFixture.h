#pragma once
// The pane windows under test: a frame stand-in that records the messages the
// panes send it, the editor state to restore, and helpers to click and type.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "commands/ContextMenu.h"
#include "editor/EditorCore.h"
#include "panes/PaneObjects.h"
#include "view/GdiSurface.h"

// One frame stand-in class serves every file of the executable, so what it
// records is shared too.
struct SentMessage {
    UINT message;
    WPARAM wParam;
};

inline std::vector<SentMessage> frameReceived;

inline LRESULT CALLBACK frameStandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND || message == WM_VSCROLL) {
        frameReceived.push_back({message, wParam});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

namespace {

// The editor fields the tests change, to put back afterwards.
struct EditorSnapshot {
    std::int32_t octalMode, activePane, cursorRow, firstVisibleRow, lastVisibleRow, cursorOffset,
        cursorScreenRow, cursorColumn, digitIndex, selectionEndRow, selectionEndColumn, charWidth, lineHeight,
        textAreaHeight, windowHeight, windowWidth;
    std::uint32_t windowStyle;
    BrushHandle backgroundBrush;
    FontHandle font;
    WindowHandle frameWindow;
    ViewSurface* surface;

    static EditorSnapshot take(const EditorCore& c)
    {
        return {c.octalMode,          c.activePane,      c.cursorRow,       c.firstVisibleRow,
                c.lastVisibleRow,     c.cursorOffset,    c.cursorScreenRow, c.cursorColumn,
                c.digitIndex,         c.selectionEndRow, c.selectionEndColumn, c.charWidth,
                c.lineHeight,         c.textAreaHeight,  c.windowHeight,    c.windowWidth,
                c.windowStyle,        c.backgroundBrush, c.font,            c.frameWindow,
                c.surface};
    }

    void restore(EditorCore& c) const
    {
        c.octalMode = octalMode;
        c.activePane = activePane;
        c.cursorRow = cursorRow;
        c.firstVisibleRow = firstVisibleRow;
        c.lastVisibleRow = lastVisibleRow;
        c.cursorOffset = cursorOffset;
        c.cursorScreenRow = cursorScreenRow;
        c.cursorColumn = cursorColumn;
        c.digitIndex = digitIndex;
        c.selectionEndRow = selectionEndRow;
        c.selectionEndColumn = selectionEndColumn;
        c.charWidth = charWidth;
        c.lineHeight = lineHeight;
        c.textAreaHeight = textAreaHeight;
        c.windowHeight = windowHeight;
        c.windowWidth = windowWidth;
        c.windowStyle = windowStyle;
        c.backgroundBrush = backgroundBrush;
        c.font = font;
        c.frameWindow = frameWindow;
        c.surface = surface;
    }
};

LPARAM pointParam(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

class PaneTest : public ::testing::Test {
protected:
    EditorCore& core = editorCore;
    EditorSnapshot saved = EditorSnapshot::take(editorCore);
    HWND frame = nullptr;

    // One frame stand-in for all tests: destroying a top-level window under
    // Wine takes seconds.
    static HWND sharedFrame;

    static void SetUpTestSuite()
    {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSEXA frameClass{};
        frameClass.cbSize = sizeof frameClass;
        frameClass.lpfnWndProc = frameStandInProc;
        frameClass.hInstance = instance;
        frameClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        frameClass.lpszClassName = "PaneTestFrame";
        RegisterClassExA(&frameClass);
        sharedFrame = CreateWindowExA(0, "PaneTestFrame", "Pane test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                      1000, 700, nullptr, nullptr, instance, nullptr);
    }

    static void TearDownTestSuite()
    {
        DestroyWindow(sharedFrame);
        sharedFrame = nullptr;
    }

    void SetUp() override
    {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        frame = sharedFrame;
        ASSERT_NE(frame, nullptr);
        core.font = CreateFontA(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
        core.backgroundBrush = CreateSolidBrush(core.backgroundColor);
        core.octalMode = 0;
        core.windowStyle = 0;
        core.computeGeometry();
        ASSERT_GT(core.charWidth, 0);
        ASSERT_GT(core.lineHeight, 0);
        core.frameWindow = frame;
        core.surface = &gdiSurface();
        setDocument(100);
        frameReceived.clear();

        offsetPane.create(frame, instance);
        hexPane.create(frame, instance);
        asciiPane.create(frame, instance);
        ASSERT_NE(offsetPane.window, nullptr);
        ASSERT_NE(hexPane.window, nullptr);
        ASSERT_NE(asciiPane.window, nullptr);
        SetForegroundWindow(frame);
        SetFocus(hexPane.window);
    }

    void TearDown() override
    {
        setLeftButton(false);
        DestroyWindow(offsetPane.window);
        DestroyWindow(hexPane.window);
        DestroyWindow(asciiPane.window);
        offsetPane.window = nullptr;
        hexPane.window = nullptr;
        asciiPane.window = nullptr;
        DeleteObject(core.font);
        DeleteObject(core.backgroundBrush);
        core.buffer.data.release();
        core.buffer.setSize(0);
        saved.restore(core);
        frameReceived.clear();
    }

    // A document of `size` bytes 0, 1, 2, ... with the cursor at offset 0.
    void setDocument(std::int32_t size)
    {
        core.buffer.data.release();
        ASSERT_TRUE(core.buffer.reserve(FileBuffer::capacityFor(size, core.bytesPerRow)));
        core.buffer.setSize(size);
        for (std::int32_t i = 0; i < size; ++i) {
            core.buffer.data[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
        }
        core.firstVisibleRow = 0;
        core.lastVisibleRow = std::min(core.buffer.rowCount, core.pageRows);
        placeCursor(0);
        core.digitIndex = 0;
        core.selectionEndRow = -1;
        core.selectionEndColumn = -1;
    }

    void placeCursor(std::int32_t offset)
    {
        core.cursorOffset = offset;
        core.cursorRow = offset / core.bytesPerRow;
        core.cursorColumn = offset % core.bytesPerRow;
        core.cursorScreenRow = core.cursorRow - core.firstVisibleRow;
    }

    std::uint8_t byte(std::int32_t offset) const { return core.buffer.byteAt(offset); }

    static void type(HWND window, const std::string& text)
    {
        for (const char c : text) {
            SendMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 0);
        }
    }

    static void press(HWND window, WPARAM key) { SendMessageA(window, WM_KEYDOWN, key, 0); }

    static void setLeftButton(bool down)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_LBUTTON] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }

    // Pane client point inside the number cell of (screen row, column).
    LPARAM hexPoint(int screenRow, int column) const
    {
        const int cell = core.octalMode != 0 ? 4 : 3;
        return pointParam((cell * column + 1) * core.charWidth + 1, screenRow * core.lineHeight + 2);
    }

    LPARAM asciiPoint(int screenRow, int column) const
    {
        return pointParam((column + 1) * core.charWidth + 1, screenRow * core.lineHeight + 2);
    }
};

HWND PaneTest::sharedFrame = nullptr;
} // namespace
