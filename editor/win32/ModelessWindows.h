#pragma once
// Windows beside the editor that keep the keyboard while the user works in
// them (the data inspector): the message loop gives the system's dialog
// keys (Tab, mnemonics, Enter, Escape) to them first.
#include <windows.h>

void addModelessWindow(HWND window);
void removeModelessWindow(HWND window);
// True when the message was one of theirs and has been handled.
bool passToModelessWindow(MSG& message);
