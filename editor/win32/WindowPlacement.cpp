// The editor's geometry and placement on the real windows: measuring the font
// and the system, moving the frame and giving the focus. The arithmetic is in
// editor/FrameLayout.cpp and editor/ScrollBar.cpp.
#include "editor/win32/WindowPlacement.h"

#include "editor/EditorCore.h"
#include "editor/win32/DisplayDpi.h"

namespace {

// The structure's length that every version of GetWindowPlacement accepts.
constexpr UINT placementLength = 44;

} // namespace

void EditorCore::computeGeometry()
{
    // The font is measured on a screen context of its own; windowDC keeps
    // whatever the frame stored there (nothing draws through it).
    layout.apply(measureFont(font), frameMetricsAt(layout.dpi()));
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
    // The keyboard moves only through the surface, which skips a missing pane.
    if (shell.surface != nullptr) {
        shell.surface->focusPane(activePane == asciiPaneActive ? Pane::Ascii : Pane::Hex);
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
    const ScreenPoint corner = screenFromWorkspace(normal, workAreaCorner, monitorCorner, topLevel);
    editorCore.windowX = corner.x;
    editorCore.windowY = corner.y;
}
