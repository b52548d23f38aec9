#pragma once
// What the editor's frame takes from the commands' shell above it: its
// window procedure, its menus, the choices it restores, the file dialogs, and
// the title and panels kept up to date. Declared here and defined above, so
// that the editor's and the view's shell include nothing of the commands'.
#include <windows.h>

class FileShell;
struct EditorCore;

// The frame's window procedure.
WNDPROC frameWindowProcedure();
// The menu bar, with the recent files in the File menu.
void buildFrameMenus(EditorCore& core);
// A new frame: the panels and the typing mode as they were last.
void restoreFrameChoices(HWND frame);
// The file dialogs and questions, owned by the frame.
FileShell& frameFileShell();
// The frame's title says what the core's does.
void showFrameTitleChange();
// What the panes show may have changed: the panels follow.
void noteShownChange();
