#pragma once
// Find: the Find dialog and the search it runs.
#include <windows.h>

// The "FindDlg" procedure: the radio buttons convert the text between its
// forms, "&Ok" takes the text and closes it, "&Cancel" closes; Enter and
// Escape do nothing.
INT_PTR CALLBACK findDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Find (command 4): no selection, the dialog and the search it was closed
// for, then the cursor drawn and the keyboard back in the active pane.
void runFind(HWND frame);

// F3 and Shift+F3: the last search of either Find dialog again, forward or
// backward; the Find dialog when nothing was searched yet.
void repeatSearch(HWND frame, bool backward);
