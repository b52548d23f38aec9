// Undo and Redo: the core's operations, which tell the one failure they can meet.
#include "commands/win32/UndoCommands.h"

#include <windows.h>

#include "document/win32/BusyCursor.h"
#include "editor/EditorCore.h"
#include "view/UndoRedo.h"

// Putting a change back or making it again moves the bytes after it: the
// hourglass shows while that takes a noticeable time.
void undoChange()
{
    const BusyCursor busy(editorCore.buffer.size);
    undo(editorCore);
}

void redoChange()
{
    const BusyCursor busy(editorCore.buffer.size);
    redo(editorCore);
}
