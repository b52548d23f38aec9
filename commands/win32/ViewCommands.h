#pragma once
// The View commands: the hex and octal views.
#include <windows.h>

// The View menu's check marks for the given view (0 hex, 1 octal).
void checkViewMenu(int octal);

// Hex view (command 10) and octal view (command 11): the view, its check
// marks, and the frame and panes laid out for it.
void switchView(HWND frame, int octal);
