#pragma once
// Where the editor's frame stands.
#include <windows.h>

// The left and top of the frame's normal (restored) position become the
// editor's windowX and windowY.
void rememberFramePosition(HWND frame);
