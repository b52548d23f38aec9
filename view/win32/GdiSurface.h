#pragma once
// The core's drawing, repainting, scroll bar and focus done on the real windows.
#include "view/ViewSurface.h"

// The one surface of the program: it draws into the three pane objects'
// windows with the editor's font and works the editor frame's scroll bar.
ViewSurface& gdiSurface();
