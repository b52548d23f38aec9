// Undo and Redo: the core's operations, and the one failure they can meet.
#include "commands/win32/UndoCommands.h"

#include <windows.h>

#include "editor/EditorCore.h"
#include "editor/win32/MessageBoxes.h"

namespace {

void reportNoMemory(UndoOutcome outcome, const char* text)
{
    if (outcome == UndoOutcome::noMemory) {
        showMessage(text, "Error", MB_ICONERROR);
    }
}

} // namespace

void undoChange()
{
    reportNoMemory(editorCore.undo(), "Not enough memory to undo the change.");
}

void redoChange()
{
    reportNoMemory(editorCore.redo(), "Not enough memory to redo the change.");
}
