#pragma once
// Three pane-like child windows of a top-level window under test, wired to the
// editor object with a real font and distinct colours; the editor object and
// the pane objects are put back as they were when each test ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "editor/EditorCore.h"
#include "panes/PaneObjects.h"
#include "view/GdiSurface.h"

// Everything of the editor object these tests change, put back afterwards.
class EditorSnapshot {
public:
    void take()
    {
        EditorCore& e = editorCore;
        for (auto field : numberFields) {
            numbers_.push_back(e.*field);
        }
        for (auto field : wordFields) {
            words_.push_back(e.*field);
        }
        font_ = e.font, windowDC_ = e.windowDC, parent_ = e.parentWindow, frame_ = e.frameWindow;
        surface_ = e.surface;
        panes_[0] = offsetPane.window, panes_[1] = hexPane.window, panes_[2] = asciiPane.window;
        buffer_ = std::move(e.buffer);
        e.buffer = FileBuffer(e.bytesPerRow);
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
        e.font = font_, e.windowDC = windowDC_, e.parentWindow = parent_, e.frameWindow = frame_;
        e.surface = surface_;
        offsetPane.window = panes_[0], hexPane.window = panes_[1], asciiPane.window = panes_[2];
        e.buffer = std::move(buffer_);
    }

private:
    static constexpr std::int32_t EditorCore::*numberFields[] = {
        &EditorCore::pageRows, &EditorCore::textAreaHeight, &EditorCore::windowHeight, &EditorCore::windowWidth,
        &EditorCore::windowX, &EditorCore::windowY, &EditorCore::charWidth, &EditorCore::lineHeight,
        &EditorCore::octalMode, &EditorCore::activePane, &EditorCore::cursorRow, &EditorCore::firstVisibleRow,
        &EditorCore::lastVisibleRow, &EditorCore::cursorOffset, &EditorCore::cursorScreenRow,
        &EditorCore::cursorColumn, &EditorCore::digitIndex, &EditorCore::selectionEndRow,
        &EditorCore::selectionEndColumn};
    static constexpr std::uint32_t EditorCore::*wordFields[] = {
        &EditorCore::activeCursorColor, &EditorCore::inactiveCursorColor, &EditorCore::textColor,
        &EditorCore::backgroundColor, &EditorCore::selectionColor, &EditorCore::windowStyle};

    std::vector<std::int32_t> numbers_;
    std::vector<std::uint32_t> words_;
    FontHandle font_ = nullptr;
    DeviceContextHandle windowDC_ = nullptr;
    WindowHandle parent_ = nullptr;
    WindowHandle frame_ = nullptr;
    ViewSurface* surface_ = nullptr;
    HWND panes_[3] = {};
    FileBuffer buffer_;
};

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
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = brush_;
        windowClass.lpszClassName = windowClassName;
        ASSERT_NE(RegisterClassExA(&windowClass), 0);

        font_ = CreateFontA(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
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
        const PaneRect rects[] = {e.paneRect(Pane::Offset), e.paneRect(Pane::Hex), e.paneRect(Pane::Ascii)};
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
        e.surface = &gdiSurface();
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

    static void pumpMessages()
    {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
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

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return DefWindowProcA(window, message, wParam, lParam);
    }

    EditorSnapshot saved_;
    HBRUSH brush_ = nullptr;
    HFONT font_ = nullptr;
    HWND top_ = nullptr; // the panes' parent
    TEXTMETRICA metrics_{};
};
