// The view model's drawing done with GDI straight into the pane windows, and
// its repaints and scroll-bar changes done on the real windows.
#include "view/GdiSurface.h"

#include <windows.h>

#include "editor/EditorCore.h"
#include "panes/PaneObjects.h"

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

    void repaintPanes() override
    {
        const HWND windows[] = {offsetPane.window, hexPane.window, asciiPane.window};
        for (const HWND window : windows) {
            if (window != nullptr) {
                InvalidateRect(window, nullptr, TRUE);
            }
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
};

} // namespace

ViewSurface& gdiSurface()
{
    static GdiSurface surface;
    return surface;
}
