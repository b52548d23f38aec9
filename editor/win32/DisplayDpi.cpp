// The functions that tell resolutions per window and per monitor came with
// Windows 10 (1607): they are looked up, and older systems get the system's.
#include "editor/win32/DisplayDpi.h"

#include "editor/DisplayScale.h"

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using SystemMetricsForDpi = int(WINAPI*)(int, UINT);

template <typename Function>
Function user32Function(const char* name)
{
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    const FARPROC found = user32 != nullptr ? GetProcAddress(user32, name) : nullptr;
    // Through the one function type that converts to any other without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

int systemMetric(int index, int dpi)
{
    static const auto forDpi = user32Function<SystemMetricsForDpi>("GetSystemMetricsForDpi");
    if (forDpi != nullptr) {
        return forDpi(index, static_cast<UINT>(dpi));
    }
    return GetSystemMetrics(index);
}

} // namespace

int systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : display::referenceDpi;
}

int windowDpi(HWND window)
{
    static const auto forWindow = user32Function<DpiForWindow>("GetDpiForWindow");
    const UINT dpi = window != nullptr && forWindow != nullptr ? forWindow(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : systemDpi();
}

FrameMetrics frameMetricsAt(int dpi)
{
    FrameMetrics system;
    system.menuHeight = systemMetric(SM_CYMENU, dpi);
    system.captionHeight = systemMetric(SM_CYCAPTION, dpi);
    system.frameWidth = systemMetric(SM_CXFRAME, dpi);
    system.scrollBarWidth = systemMetric(SM_CYVSCROLL, dpi);
    return system;
}

FontMetrics measureFont(HFONT font)
{
    TEXTMETRICA metrics{};
    HDC screen = GetDC(nullptr);
    if (screen != nullptr) {
        const HGDIOBJ previousFont = font != nullptr ? SelectObject(screen, font) : nullptr;
        GetTextMetricsA(screen, &metrics);
        if (previousFont != nullptr) {
            SelectObject(screen, previousFont);
        }
        ReleaseDC(nullptr, screen);
    }
    FontMetrics measured;
    measured.height = metrics.tmHeight;
    measured.externalLeading = metrics.tmExternalLeading;
    measured.averageCharWidth = metrics.tmAveCharWidth;
    return measured;
}
