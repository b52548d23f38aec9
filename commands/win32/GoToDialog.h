#pragma once
// Go to offset: a small dialog that takes an offset and moves the cursor there.
#include <windows.h>

// Go to offset (Ctrl+G, and the Edit menu): the dialog, then the cursor at the
// offset and the view scrolled to it, the keyboard back in the active pane.
void goToOffset(HWND frame);
