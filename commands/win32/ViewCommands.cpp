// Switching between the hex and octal views.
#include "commands/win32/ViewCommands.h"

#include "commands/CommandIds.h"
#include "editor/EditorCore.h"
#include "editor/win32/LayoutFrame.h"

void checkViewMenu(int octal)
{
    CheckMenuItem(editorCore.viewMenu, hexViewCommand, octal != 0 ? MF_UNCHECKED : MF_CHECKED);
    CheckMenuItem(editorCore.viewMenu, octalViewCommand, octal != 0 ? MF_CHECKED : MF_UNCHECKED);
}

void switchView(HWND frame, int octal)
{
    editorCore.octalMode = octal;
    checkViewMenu(octal);
    layoutFrame(editorCore, frame);
}
