#pragma once
// The test host's window in this process, its menu creating the editor on a
// "test.exe" of the test's own, and the editor's windows worked through their
// messages. The editor object is put back as it was when each test ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/EditorCore.h"
#include "host/HostWindow.h"
#include "panes/PaneObjects.h"
#include "tests/native/TempDir.h"

// The host menu's items.
enum HostItem : WPARAM {
    createTopLevel = 1,
    createChildWithTitle = 2,
    createChildBare = 3,
    moveRandomly = 4,
    destroyEditor = 5,
    exitHost = 6,
};

// One host window for the whole run: Wine waits seconds for the display each
// time an activated top-level window goes.
inline HWND hostWindow()
{
    static HWND window = createHostWindow(GetModuleHandleA(nullptr));
    return window;
}

inline std::string windowTitle(HWND window)
{
    char title[2048] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

inline SIZE windowSize(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// The window's place in its parent's client area, or on the screen.
inline RECT placeOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0) {
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

// The editor object's state as a test found it: the fields, the document and
// the window handles. The GDI objects and menus are the editor's own: each
// create replaces them and releases the old ones, so they are left as they are.
class EditorStateGuard {
public:
    void take()
    {
        const EditorCore& e = editorCore;
        for (auto field : numberFields) {
            numbers_.push_back(e.*field);
        }
        for (auto field : wordFields) {
            words_.push_back(e.*field);
        }
        parent_ = e.parentWindow;
        frame_ = e.frameWindow;
        surface_ = e.surface;
        panes_[0] = offsetPane.window, panes_[1] = hexPane.window, panes_[2] = asciiPane.window;
        buffer_ = std::move(editorCore.buffer);
        editorCore.buffer = FileBuffer(editorCore.bytesPerRow);
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
        e.parentWindow = parent_;
        e.frameWindow = frame_;
        e.surface = surface_;
        offsetPane.window = panes_[0], hexPane.window = panes_[1], asciiPane.window = panes_[2];
        e.buffer = std::move(buffer_);
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

    std::vector<std::int32_t> numbers_;
    std::vector<std::uint32_t> words_;
    WindowHandle parent_ = nullptr;
    WindowHandle frame_ = nullptr;
    ViewSurface* surface_ = nullptr;
    HWND panes_[3] = {};
    FileBuffer buffer_;
};

class HostedEditor : public ::testing::Test {
protected:
    static constexpr std::size_t documentSize = 100 * 16 - 1; // 100 rows, the last one short

    void SetUp() override
    {
        ASSERT_NE(hostWindow(), nullptr);
        ASSERT_EQ(editorCore.frameWindow, nullptr) << "an editor window was left open";
        state_.take();
        GetKeyboardState(savedKeys_);
        EditorCore& e = editorCore;
        e.octalMode = 0;
        e.activePane = 0;
        e.cursorOffset = 0;
        e.cursorRow = 0;
        e.cursorScreenRow = 0;
        e.cursorColumn = 0;
        e.digitIndex = 0;
        e.selectionEndRow = -1;
        e.selectionEndColumn = -1;

        // The host always opens "test.exe" in the current folder.
        original = patternBytes(documentSize);
        dir.write("test.exe", original);
        GetCurrentDirectoryA(sizeof savedDirectory_, savedDirectory_);
        ASSERT_TRUE(SetCurrentDirectoryA(dir.file("").c_str()));
    }

    void TearDown() override
    {
        if (editorCore.frameWindow != nullptr) {
            SendMessageA(editorCore.frameWindow, WM_COMMAND, 2000, 0);
        }
        pumpMessages();
        SetKeyboardState(savedKeys_);
        // The file dialogs move the current folder; the test's folder is removed next.
        SetCurrentDirectoryA(savedDirectory_);
        state_.restore();
    }

    static void hostCommand(WPARAM item) { SendMessageA(hostWindow(), WM_COMMAND, item, 0); }
    static void frameCommand(WPARAM id) { SendMessageA(editorCore.frameWindow, WM_COMMAND, id, 0); }

    static void type(HWND pane, const std::string& text)
    {
        for (const char c : text) {
            SendMessageA(pane, WM_CHAR, static_cast<unsigned char>(c), 0);
        }
    }

    static void press(HWND pane, WPARAM key) { SendMessageA(pane, WM_KEYDOWN, key, 0); }

    // The left button's state as GetKeyState reports it to the panes.
    static void setLeftButton(bool down)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_LBUTTON] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }

    static LPARAM point(int x, int y) { return MAKELPARAM(x, y); }

    // A pane client point inside the number cell of (screen row, column).
    static LPARAM hexPoint(int screenRow, int column)
    {
        const EditorCore& e = editorCore;
        const int cell = e.octalMode != 0 ? 4 : 3;
        return point((cell * column + 1) * e.charWidth + 1, screenRow * e.lineHeight + 2);
    }

    static LPARAM asciiPoint(int screenRow, int column)
    {
        const EditorCore& e = editorCore;
        return point((column + 1) * e.charWidth + 1, screenRow * e.lineHeight + 2);
    }

    static std::vector<std::uint8_t> documentBytes()
    {
        const FileBuffer& b = editorCore.buffer;
        if (b.size <= 0) {
            return {};
        }
        return std::vector<std::uint8_t>(b.data.get(), b.data.get() + b.size);
    }

    static void pumpMessages()
    {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    TempDir dir;
    std::vector<std::uint8_t> original;

private:
    EditorStateGuard state_;
    BYTE savedKeys_[256] = {};
    char savedDirectory_[MAX_PATH] = {};
};
