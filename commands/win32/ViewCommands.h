#pragma once
// The View commands: the hex and octal views.
#include <windows.h>

// Hex view (command 10) and octal view (command 11): the view, and the frame
// and panes laid out for it.
void switchView(HWND frame, int octal);
