#pragma once
// The View commands: the hex and octal views, and the re-layout that keeps the
// frame at the size its font and view give.
#include <windows.h>

// Hex view (command 10) and octal view (command 11): the view, and the frame
// and panes laid out for it.
void switchView(HWND frame, int octal);

// After the user moved or sized the frame: the new corner is kept, the size
// snaps back to the computed one.
void relayout(HWND frame);
