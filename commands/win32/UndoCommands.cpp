// Undo and Redo: the core's operations, and the one failure they can meet.
#include "commands/win32/UndoCommands.h"

#include <windows.h>

#include "document/win32/BusyCursor.h"
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

// Putting a change back or making it again moves the bytes after it: the
// hourglass shows while that takes a noticeable time.
void undoChange()
{
    const BusyCursor busy(editorCore.buffer.size);
    reportNoMemory(editorCore.undo(), "Not enough memory to undo the change.");
}

void redoChange()
{
    const BusyCursor busy(editorCore.buffer.size);
    reportNoMemory(editorCore.redo(), "Not enough memory to redo the change.");
}
