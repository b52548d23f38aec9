#pragma once
#include <windows.h>

#include <string>

// The window procedure of the editor's frame class "Nibblor".
LRESULT CALLBACK frameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// "Nibblor - " and the document's path, as the frame's title shows it.
std::string frameTitle();
