#pragma once
#include <windows.h>

// The window procedure of the editor's frame class "Nibblor": it decodes the
// frame's messages and hands each to its command or to the editor core.
LRESULT CALLBACK frameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
