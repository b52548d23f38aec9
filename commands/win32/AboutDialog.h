#pragma once
#include <windows.h>

// The "AboutDlg" box, owned by the given window; returns when its "&Ok" button
// is pressed.
void runAboutDialog(HINSTANCE instance, HWND owner);

// The dialog procedure: only the "&Ok" button (id 400) closes the box, so
// Enter and Escape leave it open.
INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
