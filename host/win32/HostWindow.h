#pragma once
// The test host's window: class "test", titled "Test", whose one menu creates
// the editor on "test.exe" in three styles, moves it, destroys it and ends the
// program.
#include <windows.h>

// The items of the host's menu.
enum HostItem : WPARAM {
    createTopLevel = 1,
    createChildWithTitle = 2,
    createChildBare = 3,
    moveRandomly = 4,
    destroyEditor = 5,
    exitHost = 6,
};

extern HINSTANCE hostInstance;
extern HMENU hostMenuBar;
extern HMENU hostMenu;

LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The menu bar with its one popup, "&Nibblor".
void buildHostMenu();

// Remembers the instance, builds the menu, registers class "test" and makes,
// shows and paints the host window.
HWND createHostWindow(HINSTANCE instance);
