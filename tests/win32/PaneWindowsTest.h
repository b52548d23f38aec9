#pragma once
// Three pane-like child windows of a top-level window under test, wired to the
// editor object with a real font and distinct colours; the editor object and
// the pane objects are put back as they were when each test ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "editor/EditorCore.h"
#include "panes/win32/PaneObjects.h"
#include "tests/win32/EditorTestSupport.h"
#include "view/win32/GdiSurface.h"

class PaneWindowsTest : public ::testing::Test {
protected:
    static constexpr COLORREF activeColor = RGB(255, 0, 0);
    static constexpr COLORREF inactiveColor = RGB(0, 0, 255);
    static constexpr COLORREF selectedColor = RGB(0, 160, 0);
    static constexpr COLORREF textColor = RGB(255, 255, 0);
    static constexpr COLORREF backColor = RGB(16, 32, 48);
    static constexpr const char* windowClassName = "NibblorPaneWindowsTest";

    void SetUp() override
    {
        saved_.take();
        brush_ = CreateSolidBrush(backColor);
        ASSERT_NE(registerTestWindowClass(windowClassName, DefWindowProcA, brush_), 0);

        font_ = createTestFont();
        ASSERT_NE(font_, nullptr);
        EditorCore& e = editorCore;
        e.font = font_;
        e.activeCursorColor = activeColor;
        e.inactiveCursorColor = inactiveColor;
        e.selectionColor = selectedColor;
        e.textColor = textColor;
        e.backgroundColor = backColor;
        e.parentWindow = nullptr;
        e.frameWindow = nullptr;
        e.windowStyle = 0;
        e.octalMode = 0;
        e.activePane = 0;
        e.firstVisibleRow = 0;
        e.lastVisibleRow = e.pageRows;
        e.selectionEndRow = -1;
        e.selectionEndColumn = -1;
        e.computeGeometry();
        ASSERT_NO_FATAL_FAILURE(requireFixedPitch());

        // Four rows of bytes; each test puts the ones it looks at.
        ASSERT_TRUE(e.buffer.reserve(64 + FileBuffer::spareRoom));
        e.buffer.setSize(64);
        for (std::size_t i = 0; i < 64; ++i) {
            e.buffer.data[i] = static_cast<std::uint8_t>(0x30 + i);
        }

        // Laid out for the wider octal view so that both views fit.
        e.octalMode = 1;
        const PaneRect rects[] = {e.layout.paneRect(Pane::Offset), e.layout.paneRect(Pane::Hex), e.layout.paneRect(Pane::Ascii)};
        e.octalMode = 0;
        const RECT screen = {20, 20, 20 + rects[2].x + rects[2].width, 20 + rects[2].height};
        top_ = CreateWindowExA(0, windowClassName, "Rendering", WS_POPUP, screen.left, screen.top,
                               screen.right - screen.left, screen.bottom - screen.top, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(top_, nullptr);
        HWND* windows[] = {&offsetPane.window, &hexPane.window, &asciiPane.window};
        for (int i = 0; i < 3; ++i) {
            *windows[i] = CreateWindowExA(0, windowClassName, "Pane", WS_CHILD | WS_VISIBLE, rects[i].x, rects[i].y,
                                          rects[i].width, rects[i].height, top_, nullptr,
                                          GetModuleHandleA(nullptr), nullptr);
            ASSERT_NE(*windows[i], nullptr);
        }
        // Not activated: Wine waits seconds for an activated window to be withdrawn.
        ShowWindow(top_, SW_SHOWNOACTIVATE);
        UpdateWindow(top_);
        pumpMessages();
        e.shell.surface = &gdiSurface();
    }

    void TearDown() override
    {
        if (top_ != nullptr) {
            DestroyWindow(top_); // and the panes with it
        }
        pumpMessages();
        UnregisterClassA(windowClassName, GetModuleHandleA(nullptr));
        if (brush_ != nullptr) {
            DeleteObject(brush_);
        }
        if (font_ != nullptr) {
            DeleteObject(font_);
        }
        saved_.restore();
    }

    // Every position is in charWidth steps, which only holds for a fixed-pitch
    // font whose advance is the reported average width.
    void requireFixedPitch()
    {
        HDC dc = GetDC(nullptr);
        const HGDIOBJ previous = SelectObject(dc, font_);
        GetTextMetricsA(dc, &metrics_);
        char face[LF_FACESIZE] = {};
        GetTextFaceA(dc, LF_FACESIZE, face);
        SIZE narrow{}, wide{}, run{};
        GetTextExtentPoint32A(dc, "i", 1, &narrow);
        GetTextExtentPoint32A(dc, "W", 1, &wide);
        GetTextExtentPoint32A(dc, "0123456789", 10, &run);
        SelectObject(dc, previous);
        ReleaseDC(nullptr, dc);
        ASSERT_TRUE(narrow.cx == wide.cx && run.cx == 10 * wide.cx)
            << "the display font is not fixed-pitch: face \"" << face << "\" draws 'i' " << narrow.cx
            << " and 'W' " << wide.cx << " pixels wide (is \"Courier New\" mapped to a monospaced face?)";
        ASSERT_EQ(wide.cx, metrics_.tmAveCharWidth)
            << "face \"" << face << "\": the characters' advance differs from tmAveCharWidth, "
            << "so cells would not line up";
        ASSERT_GT(metrics_.tmHeight, 0);
    }

    EditorStateGuard saved_{EditorStateGuard::GdiObjects::restore};
    HBRUSH brush_ = nullptr;
    HFONT font_ = nullptr;
    HWND top_ = nullptr; // the panes' parent
    TEXTMETRICA metrics_{};
};
