#pragma once
// The question before a command that would lose unsaved changes: Exit, the
// stand-alone window's close, and Open.
#include <windows.h>

// True when the command may go on: nothing is unsaved, or the user saved the
// changes (Yes) or let them go (No). False after Cancel, or when the save
// failed or its dialog was cancelled: the document stays as it is.
bool settleUnsavedChanges(HWND frame);

// Exit (command 3): the program ends once the changes are settled.
void exitEditor(HWND frame);

// WM_CLOSE: a stand-alone frame settles the changes before it goes; a hosted
// one goes at once, its document kept by the editor object.
void closeFrame(HWND frame);
