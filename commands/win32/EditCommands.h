#pragma once
// The Edit menu's Insert Mode, Copy As and Fill Selection.
#include <windows.h>

#include "commands/CopyAs.h"

// Insert Mode on or off, remembered; the status bar shows which.
void toggleInsertMode();
// The remembered mode, read as the editor starts.
void restoreInsertMode();
// The selection as the text of a Copy As form on the clipboard; a message
// when it cannot be.
void copySelectionAs(HWND frame, CopyAsForm form);
// Asks for a hex pattern and fills the selection with it.
void fillSelectionFromDialog(HWND frame);
