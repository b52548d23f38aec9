#pragma once
// What the editor's tool windows (the data inspector, the Structure window)
// share: a place on the screen remembered as a setting, and the font their
// controls use.
#include <windows.h>

// Stores the window's place as "x,y,width,height".
void rememberToolPlace(HWND window, const char* setting);
// Where the stored place says, when that is still on a screen (`remembered`
// true); else a window of the given size beside the frame's top-level window.
RECT toolWindowPlace(HWND frame, const char* setting, int width, int height, bool& remembered);

// The system's message font at the editor's resolution; the caller deletes it.
HFONT createToolWindowFont();
// A length at 96 dots per inch, grown with the editor's resolution.
int scaledToEditor(int lengthAt96);
// Escape in a tool window: the keyboard back to the bytes.
void returnToBytes();
