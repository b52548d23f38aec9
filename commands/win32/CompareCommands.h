#pragma once
// Compare With, stepping through the differences and Stop Comparing: the
// shell's side of the core's comparison, with its messages.
#include <windows.h>

// Compare With (command 34): the Open dialog, then what the comparison found.
void compareWithFile(HWND frame);
// Next and Previous Difference (F6, Shift+F6): the run selected, or "No more differences.".
void stepToDifference(HWND frame, bool forward);
