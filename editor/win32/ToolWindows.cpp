#include "editor/win32/ToolWindows.h"

#include <cstdio>

#include "editor/DisplayScale.h"
#include "editor/EditorCore.h"
#include "editor/win32/DisplayDpi.h"

namespace {

constexpr std::size_t placeTextLength = 64;

} // namespace

void rememberToolPlace(HWND window, const char* setting)
{
    RECT place{};
    if (window == nullptr || GetWindowRect(window, &place) == FALSE) {
        return;
    }
    char text[placeTextLength];
    std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", place.left, place.top, place.right - place.left,
                  place.bottom - place.top);
    editorCore.writeSetting(setting, text);
}

RECT toolWindowPlace(HWND frame, const char* setting, int width, int height, bool& remembered)
{
    remembered = true;
    char text[placeTextLength] = {};
    long x = 0, y = 0, storedWidth = 0, storedHeight = 0;
    if (editorCore.readSetting(setting, text, sizeof text) &&
        std::sscanf(text, "%ld,%ld,%ld,%ld", &x, &y, &storedWidth, &storedHeight) == 4 && storedWidth > 0 &&
        storedHeight > 0) {
        const RECT stored{x, y, x + storedWidth, y + storedHeight};
        if (MonitorFromRect(&stored, MONITOR_DEFAULTTONULL) != nullptr) {
            return stored;
        }
    }
    remembered = false;
    RECT owner{};
    GetWindowRect(GetAncestor(frame, GA_ROOT), &owner);
    RECT place{owner.right, owner.top, owner.right + width, owner.top + height};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&owner, MONITOR_DEFAULTTONEAREST), &monitor) != FALSE &&
        place.right > monitor.rcWork.right) {
        OffsetRect(&place, monitor.rcWork.right - place.right, 0); // over the frame's edge, on the screen
    }
    return place;
}

HFONT createToolWindowFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) == FALSE) {
        return nullptr;
    }
    metrics.lfMessageFont.lfHeight = display::scaleLength(metrics.lfMessageFont.lfHeight, systemDpi(), editorCore.layout.dpi());
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

int scaledToEditor(int lengthAt96)
{
    return display::scaleLength(lengthAt96, display::referenceDpi, editorCore.layout.dpi());
}

void returnToBytes()
{
    if (editorCore.frameWindow != nullptr) {
        SetActiveWindow(GetAncestor(editorCore.frameWindow, GA_ROOT));
        editorCore.focusActivePane();
    }
}
