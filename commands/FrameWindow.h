#pragma once
#include <windows.h>

// The window procedure of the editor's frame class "Nibblor".
LRESULT CALLBACK frameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
