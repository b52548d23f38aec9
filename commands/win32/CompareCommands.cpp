// The comparison's commands: each calls one core operation, then says what
// it found and gives the keyboard back to the pane.
#include "commands/win32/CompareCommands.h"

#include "commands/win32/FileCommands.h"
#include "document/win32/BusyCursor.h"
#include "document/win32/ProgressWindow.h"
#include "editor/EditorCore.h"

void compareWithFile(HWND frame)
{
    EditorCore& core = editorCore;
    bool compared = false;
    {
        ProgressWindow progress(core.instance, frame, "Reading the file to compare with...");
        compared = core.comparison.compareFromDialog(progress);
    }
    if (compared) {
        Message found;
        {
            const BusyCursor busy(core.buffer.size);
            found = core.comparison.summary();
        }
        core.shell.tell(found);
    }
    retitleAndFocus();
}

void stepToDifference(HWND /*frame*/, bool forward)
{
    editorCore.comparison.stepToDifference(forward);
}
