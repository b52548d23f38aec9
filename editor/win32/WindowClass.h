#pragma once
#include <windows.h>

// Registers a window class the way every window of the program has it: redrawn
// whole on resizing, the arrow cursor, the given icon for both sizes and the
// given background. The result is not examined: a class left registered by an
// earlier editor window is used again.
void registerWindowClass(const char* className, WNDPROC windowProc, HINSTANCE instance, HICON icon,
                         HBRUSH background);
