#pragma once
// The view model's drawing and repainting done with GDI into the pane windows.
#include "view/ViewSurface.h"

// The one surface of the program, drawing into the three pane objects' windows
// with the editor's font, and working the editor frame's scroll bar.
ViewSurface& gdiSurface();
