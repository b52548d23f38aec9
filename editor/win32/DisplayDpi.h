#pragma once
// The screen resolution (dots per inch) a window is shown at, and the
// measures of the frame and the font there.
#include <windows.h>

#include "editor/EditorCore.h"

// The resolution of the monitor the window is on, where the system tells it
// per window; else, and for no window, the system's.
int windowDpi(HWND window);
// The resolution the screen context reports: the system's, at which the font
// picker turns points into pixels.
int systemDpi();
// The caption, menu, frame and scroll-bar measures at a resolution.
FrameMetrics frameMetricsAt(int dpi);
// The font's text measures on the screen.
FontMetrics measureFont(HFONT font);
