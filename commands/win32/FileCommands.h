#pragma once
// The File commands as the frame receives them: the shell's side of opening,
// saving and closing, whose decisions the core makes. Also the frame's title
// and the File menu's list of recent files.
#include <windows.h>

#include <shellapi.h>

#include <vector>

#include "document/FileSteps.h"

// What the core's file flow asks of the window system, answered with message
// boxes owned by the frame and the common dialogs.
class FileShell;
FileShell& win32FileShell();

// The core's title on the frame.
void showFrameTitle();
// After a command on the document or its file: the title says what it left,
// the pane has the keyboard.
void retitleAndFocus();

// Exit (command 3): the program ends once unsaved changes are settled.
void exitEditor(HWND frame);
// WM_CLOSE: a stand-alone frame settles the changes before it goes; a hosted
// one goes at once, its document kept by the editor object.
void closeFrame(HWND frame);
// WM_DROPFILES: the first file dropped opens as File Open's would.
void openDroppedFile(HWND frame, HDROP drop);
// WM_ACTIVATE: changes that other programs made to the file are put to the user.
void frameActivated(HWND frame);

// The list as the settings keep it, read when an editor window is made.
void loadRecentFiles();
// The File menu's items for the list, above Exit.
void showRecentFiles(const std::vector<FilePath>& entries);
