// The new object goes everywhere the old one is held before the old one is
// released, so that choosing again and again holds no more GDI objects.
#include "editor/win32/DisplayObjects.h"

#include "editor/EditorCore.h"
#include "panes/win32/PaneObjects.h"

void replaceFont(EditorCore& core, HFONT newFont)
{
    const HFONT oldFont = core.font;
    core.font = newFont;
    // The frame's context holds the font selected since the window was made.
    if (core.windowDC != nullptr) {
        SelectObject(core.windowDC, core.font);
    }
    if (oldFont != nullptr && oldFont != core.font) {
        DeleteObject(oldFont);
    }
}

bool replaceBackgroundBrush(EditorCore& core, COLORREF color)
{
    LOGBRUSH description{BS_SOLID, color, 0};
    const HBRUSH newBrush = CreateBrushIndirect(&description);
    if (newBrush == nullptr) {
        return false;
    }
    const HBRUSH oldBrush = core.backgroundBrush;
    core.backgroundBrush = newBrush;
    // Each window stands for its class: the three pane classes and the frame's.
    int classesSwitched = 0;
    for (const HWND window : {offsetPane.window, hexPane.window, asciiPane.window, core.frameWindow}) {
        if (window != nullptr && IsWindow(window) != FALSE) {
            SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(newBrush));
            ++classesSwitched;
        }
    }
    if (core.windowDC != nullptr) {
        SelectObject(core.windowDC, newBrush);
    }
    // A class that could not be reached may still paint with the old brush.
    constexpr int editorClassCount = 4;
    if (oldBrush != nullptr && classesSwitched == editorClassCount) {
        DeleteObject(oldBrush);
    }
    return true;
}
