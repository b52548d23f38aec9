#pragma once
// Change Colors (command 13): the five display colours set one by one through
// the system's colour picker and stored together on "&Done".
#include <windows.h>

// Runs the "NibColorsDlg" dialog, owned by the frame, until "&Done".
void changeColors(HINSTANCE instance, HWND frame);

// The dialog procedure: the list of colour names, "&Set" or a double-click to
// pick the selected one, "&Done" to store all five. Enter and Escape do
// nothing, so "&Done" is the only way out.
INT_PTR CALLBACK colorsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The system's colour picker, opened in full on `initial`; the chosen colour,
// or CLR_INVALID when the user cancels.
COLORREF pickColor(HWND owner, COLORREF initial);
