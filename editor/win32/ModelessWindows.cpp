// The modeless windows the message loop serves first.
#include "editor/win32/ModelessWindows.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<HWND>& modelessWindows()
{
    static std::vector<HWND> windows;
    return windows;
}

} // namespace

void addModelessWindow(HWND window)
{
    std::vector<HWND>& windows = modelessWindows();
    if (std::find(windows.begin(), windows.end(), window) == windows.end()) {
        windows.push_back(window);
    }
}

void removeModelessWindow(HWND window)
{
    std::vector<HWND>& windows = modelessWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

// The loop takes its messages in their ANSI form, so they go on in that form.
bool passToModelessWindow(MSG& message)
{
    for (const HWND window : modelessWindows()) {
        if (IsWindow(window) != FALSE && IsDialogMessageA(window, &message) != FALSE) {
            return true;
        }
    }
    return false;
}
