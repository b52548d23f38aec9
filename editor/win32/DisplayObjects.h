#pragma once
// The editor's font and background brush replaced while its window is open.
#include <windows.h>

struct EditorCore;

// A newly chosen font or background takes the old one's place everywhere it
// is used; the old object is released once nothing holds it. False, changing
// nothing, when the brush cannot be made.
void replaceFont(EditorCore& core, HFONT newFont);
bool replaceBackgroundBrush(EditorCore& core, COLORREF color);
