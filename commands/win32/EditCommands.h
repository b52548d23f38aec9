#pragma once
// The Edit menu's commands beyond the original set: Insert Mode, Copy As and
// Fill Selection, and the menu's greying and check mark.
#include <windows.h>

#include "commands/CommandIds.h"

// Insert Mode on or off, remembered; the status bar shows which.
void toggleInsertMode();
// The remembered mode, read as the editor starts.
void restoreInsertMode();
// The selection as the text of a Copy As command's form on the clipboard; a
// message when it cannot be.
void copySelectionAs(HWND frame, Command copyAsCommand);
// Asks for a hex pattern and fills the selection with it.
void fillSelectionFromDialog(HWND frame);
// WM_INITMENUPOPUP: Copy As and Fill greyed without a selection, Insert Mode checked while on.
void updateEditMenu(HMENU menu);
