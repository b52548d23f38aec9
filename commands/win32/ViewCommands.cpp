// Switching between the hex and octal views.
#include "commands/win32/ViewCommands.h"

#include "commands/CommandIds.h"
#include "editor/EditorCore.h"
#include "editor/win32/LayoutFrame.h"

void switchView(HWND frame, int octal)
{
    editorCore.octalMode = octal;
    layoutFrame(editorCore, frame);
}
