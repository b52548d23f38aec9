// The editor's geometry and placement on the real windows: measuring the font
// and the system, moving the frame and giving the focus. The arithmetic is in
// editor/Geometry.cpp and editor/ScrollBar.cpp.
#include "editor/win32/WindowPlacement.h"

#include "editor/EditorCore.h"
#include "panes/win32/PaneObjects.h"

namespace {

// The structure's length that every version of GetWindowPlacement accepts.
constexpr UINT placementLength = 44;

} // namespace

void EditorCore::computeGeometry()
{
    // A screen context just for measuring, given back at once; windowDC keeps
    // whatever the frame stored there (nothing draws through it).
    HDC screen = GetDC(nullptr);
    TEXTMETRICA metrics{};
    if (screen != nullptr) {
        SetBkColor(screen, backgroundColor);
        const HGDIOBJ previousFont = font != nullptr ? SelectObject(screen, font) : nullptr;
        GetTextMetricsA(screen, &metrics);
        if (previousFont != nullptr) {
            SelectObject(screen, previousFont);
        }
        ReleaseDC(nullptr, screen);
    }

    FontMetrics fontMetrics;
    fontMetrics.height = metrics.tmHeight;
    fontMetrics.externalLeading = metrics.tmExternalLeading;
    fontMetrics.averageCharWidth = metrics.tmAveCharWidth;

    FrameMetrics system;
    system.menuHeight = GetSystemMetrics(SM_CYMENU);
    system.captionHeight = GetSystemMetrics(SM_CYCAPTION);
    system.frameWidth = GetSystemMetrics(SM_CXFRAME);
    system.scrollBarWidth = GetSystemMetrics(SM_CYVSCROLL);

    applyGeometry(fontMetrics, system);
}

void EditorCore::move(int x, int y)
{
    if (frameWindow != nullptr) {
        MoveWindow(frameWindow, x, y, windowWidth, windowHeight, TRUE);
    }
    windowX = x;
    windowY = y;
}

void EditorCore::focusActivePane()
{
    const HWND pane = activePane == asciiPaneActive ? asciiPane.window : hexPane.window;
    // SetFocus(NULL) would take the keyboard away from whatever has it.
    if (pane != nullptr) {
        SetFocus(pane);
    }
}

void rememberFramePosition(HWND frame)
{
    WINDOWPLACEMENT placement{};
    placement.length = placementLength;
    GetWindowPlacement(frame, &placement);
    const ScreenPoint normal{placement.rcNormalPosition.left, placement.rcNormalPosition.top};
    const bool topLevel = (GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) == 0 &&
                          (GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0;
    ScreenPoint workAreaCorner;
    ScreenPoint monitorCorner;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(frame, MONITOR_DEFAULTTONEAREST), &monitor) != FALSE) {
        workAreaCorner = {monitor.rcWork.left, monitor.rcWork.top};
        monitorCorner = {monitor.rcMonitor.left, monitor.rcMonitor.top};
    }
    const ScreenPoint corner = EditorCore::screenFromWorkspace(normal, workAreaCorner, monitorCorner, topLevel);
    editorCore.windowX = corner.x;
    editorCore.windowY = corner.y;
}
