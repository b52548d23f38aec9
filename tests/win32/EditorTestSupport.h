#pragma once
// What the editor's window tests share: the editor object put back as a test
// found it, the test font, plain windows of the test's own, and input to the
// panes as their window procedures get it.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "editor/EditorCore.h"
#include "panes/win32/PaneObjects.h"

// The editor object's state as a test found it: the fields, the document with
// its history, the window handles and, where asked, the GDI objects.
class EditorStateGuard {
public:
    // The editor's create replaces its GDI objects and releases the old ones,
    // so only tests that put their own in place of them put the old ones back.
    enum class GdiObjects { leave, restore };

    explicit EditorStateGuard(GdiObjects gdi = GdiObjects::leave) : gdi_(gdi) {}

    void take()
    {
        EditorCore& e = editorCore;
        for (auto field : numberFields) {
            numbers_.push_back(e.*field);
        }
        for (auto field : wordFields) {
            words_.push_back(e.*field);
        }
        font_ = e.font, windowDC_ = e.windowDC, brush_ = e.backgroundBrush;
        parent_ = e.parentWindow, frame_ = e.frameWindow, shell_ = e.shell;
        panes_[0] = offsetPane.window, panes_[1] = hexPane.window, panes_[2] = asciiPane.window;
        buffer_ = std::move(e.buffer);
        e.buffer = FileBuffer(e.bytesPerRow);
        history_ = std::move(e.history);
        e.history = EditHistory();
        files_ = e.files;
        e.files = FileFlow(e);
        e.comparison.stop();
        differenceColor_ = e.comparison.differenceColor;
    }

    void restore()
    {
        EditorCore& e = editorCore;
        std::size_t i = 0;
        for (auto field : numberFields) {
            e.*field = numbers_[i++];
        }
        i = 0;
        for (auto field : wordFields) {
            e.*field = words_[i++];
        }
        if (gdi_ == GdiObjects::restore) {
            e.font = font_, e.windowDC = windowDC_, e.backgroundBrush = brush_;
        }
        e.parentWindow = parent_, e.frameWindow = frame_, e.shell = shell_;
        offsetPane.window = panes_[0], hexPane.window = panes_[1], asciiPane.window = panes_[2];
        e.buffer = std::move(buffer_);
        e.history = std::move(history_);
        e.files = files_;
        e.comparison.stop(); // a test's comparison ends with it
        e.comparison.differenceColor = differenceColor_;
        numbers_.clear();
        words_.clear();
    }

private:
    static constexpr std::int32_t EditorCore::*numberFields[] = {
        &EditorCore::pageRows, &EditorCore::bytesPerRow, &EditorCore::textAreaHeight, &EditorCore::windowHeight,
        &EditorCore::windowWidth, &EditorCore::windowX, &EditorCore::windowY, &EditorCore::charWidth,
        &EditorCore::lineHeight, &EditorCore::octalMode, &EditorCore::activePane, &EditorCore::cursorRow,
        &EditorCore::firstVisibleRow, &EditorCore::lastVisibleRow, &EditorCore::cursorOffset,
        &EditorCore::cursorScreenRow, &EditorCore::cursorColumn, &EditorCore::digitIndex,
        &EditorCore::selectionEndRow, &EditorCore::selectionEndColumn};
    static constexpr std::uint32_t EditorCore::*wordFields[] = {
        &EditorCore::activeCursorColor, &EditorCore::inactiveCursorColor, &EditorCore::textColor,
        &EditorCore::backgroundColor, &EditorCore::selectionColor, &EditorCore::windowStyle};

    GdiObjects gdi_;
    std::vector<std::int32_t> numbers_;
    std::vector<std::uint32_t> words_;
    FontHandle font_ = nullptr;
    DeviceContextHandle windowDC_ = nullptr;
    BrushHandle brush_ = nullptr;
    WindowHandle parent_ = nullptr;
    WindowHandle frame_ = nullptr;
    EditorShell shell_;
    HWND panes_[3] = {};
    FileBuffer buffer_;
    EditHistory history_;
    FileFlow files_{editorCore};
    ColorRef differenceColor_ = 0;
};

// The fixed-pitch face whose cells the tests measure; the caller deletes it.
inline HFONT createTestFont()
{
    return CreateFontA(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
}

// A window class of the test's own; 0 when it could not be registered (or
// already is).
inline ATOM registerTestWindowClass(const char* name, WNDPROC procedure, HBRUSH background)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass);
}

// Puts the text on the clipboard as CF_TEXT; null leaves it empty.
inline bool setClipboardText(HWND owner, const char* text)
{
    if (OpenClipboard(owner) == FALSE) {
        return false;
    }
    EmptyClipboard();
    if (text != nullptr) {
        const std::size_t size = std::strlen(text) + 1;
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
        std::memcpy(GlobalLock(memory), text, size);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
    }
    CloseClipboard();
    return true;
}

// The clipboard's CF_TEXT, or "(none)" when it holds no text.
inline std::string clipboardText(HWND owner)
{
    std::string text = "(none)";
    if (OpenClipboard(owner) == FALSE) {
        return "(clipboard busy)";
    }
    HANDLE block = GetClipboardData(CF_TEXT);
    if (block != nullptr) {
        text = static_cast<const char*>(GlobalLock(block));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

// Pixels of a colour in a box of a window's client area, read back from it.
inline int countPixels(HWND window, int x, int y, int width, int height, COLORREF color)
{
    HDC dc = GetDC(window);
    int count = 0;
    for (int j = y; j < y + height; ++j) {
        for (int i = x; i < x + width; ++i) {
            count += GetPixel(dc, i, j) == color ? 1 : 0;
        }
    }
    ReleaseDC(window, dc);
    return count;
}

inline void pumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// A mouse message's point; negative coordinates stand for places left of or
// above the window.
inline LPARAM pointParam(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

// Typing, keys and the mouse button as the pane windows get them, and the
// points of their cells, for fixtures to inherit.
struct PaneInput {
    static void type(HWND pane, const std::string& text)
    {
        for (const char c : text) {
            SendMessageA(pane, WM_CHAR, static_cast<unsigned char>(c), 0);
        }
    }

    static void press(HWND pane, WPARAM key) { SendMessageA(pane, WM_KEYDOWN, key, 0); }

    // A key's or button's state as GetKeyState reports it to the panes.
    static void holdKey(int key, bool down)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[key] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }

    static void setLeftButton(bool down) { holdKey(VK_LBUTTON, down); }

    static void pressWithControl(HWND pane, WPARAM key)
    {
        holdKey(VK_CONTROL, true);
        press(pane, key);
        holdKey(VK_CONTROL, false);
    }

    // A click on a cell of a data pane's first page.
    static void clickCell(HWND pane, int row, int column)
    {
        const LPARAM point = pane == asciiPane.window ? asciiPoint(row, column) : hexPoint(row, column);
        SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(pane, WM_LBUTTONUP, 0, point);
    }

    // A drag in a data pane from one cell to another of the first page.
    static void selectCells(HWND pane, int fromRow, int fromColumn, int toRow, int toColumn)
    {
        const bool ascii = pane == asciiPane.window;
        SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON,
                     ascii ? asciiPoint(fromRow, fromColumn) : hexPoint(fromRow, fromColumn));
        setLeftButton(true);
        SendMessageA(pane, WM_MOUSEMOVE, MK_LBUTTON, ascii ? asciiPoint(toRow, toColumn) : hexPoint(toRow, toColumn));
        setLeftButton(false);
    }

    // A pane client point inside the number cell of (screen row, column).
    static LPARAM hexPoint(int screenRow, int column)
    {
        const EditorCore& e = editorCore;
        const int cell = e.octalMode != 0 ? 4 : 3;
        return pointParam((cell * column + 1) * e.charWidth + 1, screenRow * e.lineHeight + 2);
    }

    static LPARAM asciiPoint(int screenRow, int column)
    {
        const EditorCore& e = editorCore;
        return pointParam((column + 1) * e.charWidth + 1, screenRow * e.lineHeight + 2);
    }
};
