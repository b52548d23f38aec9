#pragma once
// The Edit menu's Insert Mode and Fill Selection, and the menu's greying and
// check mark.
#include <windows.h>

// Insert Mode on or off, remembered; the status bar shows which.
void toggleInsertMode();
// The remembered mode, read as the editor starts.
void restoreInsertMode();
// Asks for a hex pattern and fills the selection with it.
void fillSelectionFromDialog(HWND frame);
// WM_INITMENUPOPUP: Copy As and Fill greyed without a selection, Insert Mode checked while on.
void updateEditMenu(HMENU menu);
