// "Save changes to NAME?" before the document's changes could be lost.
#include "commands/win32/ClosePrompt.h"

#include <string>

#include "commands/win32/SaveCommand.h"
#include "editor/EditorCore.h"

namespace {

constexpr char untitledName[] = "Untitled";

std::string documentName()
{
    const char* path = editorCore.buffer.path;
    return path[0] != '\0' ? std::string(path) : std::string(untitledName);
}

} // namespace

bool settleUnsavedChanges(HWND frame)
{
    if (!editorCore.documentModified()) {
        return true;
    }
    const std::string question = "Save changes to " + documentName() + "?";
    switch (MessageBoxA(frame, question.c_str(), "Nibblor", MB_YESNOCANCEL | MB_ICONWARNING)) {
    case IDYES:
        return saveFile(frame);
    case IDNO:
        return true;
    default:
        editorCore.focusActivePane();
        return false;
    }
}

void exitEditor(HWND frame)
{
    if (settleUnsavedChanges(frame)) {
        PostQuitMessage(0); // hosted or not: ends the program
    }
}

void closeFrame(HWND frame)
{
    if (editorCore.parentWindow == nullptr && !settleUnsavedChanges(frame)) {
        return;
    }
    DestroyWindow(frame);
}
