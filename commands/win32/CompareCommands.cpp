// The comparison's commands: each calls one core operation, then says what
// it found and gives the keyboard back to the pane.
#include "commands/win32/CompareCommands.h"

#include "commands/win32/FileCommands.h"
#include "document/win32/BusyCursor.h"
#include "document/win32/ProgressWindow.h"
#include "editor/EditorCore.h"
#include "editor/win32/MessageBoxes.h"

namespace {

constexpr char messageCaption[] = "Nibblor";

} // namespace

void compareWithFile(HWND frame)
{
    bool compared = false;
    {
        ProgressWindow progress(editorCore.instance, frame, "Reading the file to compare with...");
        compared = editorCore.compareFromDialog(progress);
    }
    if (compared) {
        std::string summary;
        {
            const BusyCursor busy(editorCore.buffer.size);
            summary = editorCore.comparisonSummary();
        }
        showFrameTitle();
        showMessage(summary, messageCaption, MB_ICONINFORMATION);
    }
    settleAfterFileCommand();
}

void stepToDifference(HWND /*frame*/, bool forward)
{
    EditorCore& core = editorCore;
    if (!core.comparing()) {
        MessageBeep(MB_OK); // F6 with nothing compared
        return;
    }
    if (!(forward ? core.nextDifferenceRun() : core.previousDifferenceRun())) {
        showMessage("No more differences.", messageCaption, MB_ICONINFORMATION);
        core.focusActivePane();
    }
}
