// Save over the document's own file, and the end of every save, Save As's too.
#include "commands/win32/SaveCommand.h"

#include "commands/win32/FileCommands.h"
#include "document/win32/FileDialogs.h"
#include "editor/EditorCore.h"

namespace {

void showError(const char* text)
{
    MessageBoxA(nullptr, text, "Error", MB_ICONERROR);
}

} // namespace

bool saveFile(HWND frame)
{
    // Untitled, or a name forgotten after a failed read: the user names it.
    if (editorCore.buffer.path[0] == '\0') {
        return saveFileAs(frame);
    }
    return finishSave(writeToPath(editorCore.buffer));
}

bool finishSave(int outcome)
{
    switch (outcome) {
    case saveCannotCreate:
        showError("Could not open file for output.");
        break;
    case saveShortWrite:
        // The file is written aside and put in place only when complete.
        showError("Error writing file.  The file was not changed.");
        break;
    default:
        editorCore.documentSaved();
        break;
    }
    showFrameTitle();
    editorCore.focusActivePane();
    return outcome == saveDone;
}
