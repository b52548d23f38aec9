// The core's drawing done with GDI straight into the pane windows, and its
// repaints, scroll-bar changes, focus and title done on the real windows.
#include "view/win32/GdiSurface.h"

#include <windows.h>

#include <string>

#include "editor/EditorCore.h"
#include "editor/win32/FrameParts.h"
#include "editor/win32/LayoutFrame.h"
#include "editor/win32/MessageBoxes.h"
#include "panes/win32/PaneObjects.h"

namespace {

HWND paneWindow(Pane pane)
{
    switch (pane) {
    case Pane::Offset:
        return offsetPane.window;
    case Pane::Hex:
        return hexPane.window;
    case Pane::Ascii:
        break;
    }
    return asciiPane.window;
}

class GdiSurface final : public ViewSurface {
public:
    bool paneExists(Pane pane) const override
    {
        const HWND window = paneWindow(pane);
        return window != nullptr && IsWindow(window) != FALSE;
    }

    void drawText(Pane pane, int x, int y, std::string_view text, ColorRef textColor, ColorRef backColor) override
    {
        const HWND window = paneWindow(pane);
        if (window == nullptr || text.empty()) {
            return;
        }
        noteShownChange(); // what is drawn may be a new cursor, selection or byte
        HDC dc = GetDC(window);
        if (dc == nullptr) {
            return;
        }
        const HGDIOBJ previousFont = editorCore.font != nullptr ? SelectObject(dc, editorCore.font) : nullptr;
        SetTextColor(dc, textColor);
        SetBkColor(dc, backColor);
        // Opaque, so the background colour fills exactly the drawn characters' boxes.
        SetBkMode(dc, OPAQUE);
        TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
        if (previousFont != nullptr) {
            SelectObject(dc, previousFont);
        }
        ReleaseDC(window, dc);
    }

    void drawFrame(Pane pane, int x, int y, int width, int height, ColorRef color) override
    {
        const HWND window = paneWindow(pane);
        HDC dc = window != nullptr ? GetDC(window) : nullptr;
        if (dc == nullptr) {
            return;
        }
        HBRUSH brush = CreateSolidBrush(color);
        const RECT box{x, y, x + width, y + height};
        FrameRect(dc, &box, brush);
        DeleteObject(brush);
        ReleaseDC(window, dc);
    }

    void repaintPanes(Repaint when) override
    {
        noteShownChange();
        // Null panes are skipped: InvalidateRect(NULL) would repaint the desktop.
        const HWND windows[] = {offsetPane.window, hexPane.window, asciiPane.window};
        for (const HWND window : windows) {
            if (window != nullptr) {
                InvalidateRect(window, nullptr, TRUE);
            }
        }
        if (when == Repaint::later) {
            // The frame too: its painting gives the keyboard back to the
            // active pane, after a dialog say.
            if (editorCore.frameWindow != nullptr) {
                InvalidateRect(editorCore.frameWindow, nullptr, TRUE);
            }
            return;
        }
        for (const HWND window : windows) {
            if (window != nullptr) {
                UpdateWindow(window);
            }
        }
    }

    void setScrollRange(int maxPosition) override
    {
        if (editorCore.frameWindow != nullptr) {
            SetScrollRange(editorCore.frameWindow, SB_VERT, 0, maxPosition, TRUE);
        }
    }

    void setScrollPosition(int position) override
    {
        if (editorCore.frameWindow != nullptr) {
            SetScrollPos(editorCore.frameWindow, SB_VERT, position, TRUE);
        }
    }

    void relayout() override
    {
        if (editorCore.frameWindow != nullptr) {
            relayoutFrame(editorCore, editorCore.frameWindow);
        }
    }

    void focusPane(Pane pane) override
    {
        // SetFocus(NULL) would take the keyboard away from whatever has it.
        const HWND window = paneWindow(pane);
        if (window != nullptr) {
            SetFocus(window);
        }
    }

    void titleChanged() override
    {
        showFrameTitleChange();
        noteShownChange(); // read-only, say
    }

    void beep() override { MessageBeep(MB_OK); }
};

} // namespace

ViewSurface& gdiSurface()
{
    static GdiSurface surface;
    return surface;
}
