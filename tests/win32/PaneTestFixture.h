#pragma once
// The pane windows under test: a frame stand-in that records the messages the
// panes send it, the editor state to restore, and helpers to click and type.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "commands/win32/ContextMenu.h"
#include "commands/win32/Win32CommandShell.h"
#include "editor/EditorCore.h"
#include "editor/win32/GlobalClipboard.h"
#include "panes/win32/PaneObjects.h"
#include "tests/win32/EditorTestSupport.h"
#include "view/win32/GdiSurface.h"

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

class PaneTest : public ::testing::Test, protected PaneInput {
protected:
    EditorCore& core = editorCore;
    EditorStateGuard saved{EditorStateGuard::GdiObjects::restore};
    HWND frame = nullptr;

    // One frame stand-in for all tests: destroying a top-level window under
    // Wine takes seconds.
    static HWND sharedFrame;

    static void SetUpTestSuite()
    {
        // Registered once for both suites; the second registration fails harmlessly.
        registerTestWindowClass("PaneTestFrame", frameStandInProc, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        sharedFrame = CreateWindowExA(0, "PaneTestFrame", "Pane test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                      1000, 700, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }

    static void TearDownTestSuite()
    {
        DestroyWindow(sharedFrame);
        sharedFrame = nullptr;
    }

    void SetUp() override
    {
        saved.take();
        HINSTANCE instance = GetModuleHandleA(nullptr);
        frame = sharedFrame;
        ASSERT_NE(frame, nullptr);
        core.font = createTestFont();
        core.backgroundBrush = CreateSolidBrush(core.backgroundColor);
        core.octalMode = 0;
        core.windowStyle = 0;
        core.computeGeometry();
        ASSERT_GT(core.charWidth, 0);
        ASSERT_GT(core.lineHeight, 0);
        core.frameWindow = frame;
        core.shell.surface = &gdiSurface();
        core.shell.commands = &win32CommandShell();
        core.shell.clipboard = &win32Clipboard();
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
        saved.restore();
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
};

HWND PaneTest::sharedFrame = nullptr;
} // namespace
