#pragma once
#include <windows.h>

// Shows the editor's right-button menu for the frame at (x, y), given in the
// frame's client coordinates; its items send WM_COMMAND to the frame. The popup
// is destroyed after tracking.
void showContextMenu(HWND frame, int x, int y);

// The popup menu as it stands now: its items follow the editor's window style,
// the selection and the clipboard. The caller destroys it.
HMENU buildContextMenu();
