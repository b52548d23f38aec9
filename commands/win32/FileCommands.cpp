// Open and Save As through the common dialogs, and the frame's title.
#include "commands/win32/FileCommands.h"

#include <cstdlib>
#include <cstring>

#include "commands/CommandIds.h"
#include "commands/win32/ClosePrompt.h"
#include "commands/win32/SaveCommand.h"
#include "document/win32/FileDialogs.h"
#include "editor/EditorCore.h"

namespace {

// The exit status of a stand-alone editor whose first Open was cancelled.
constexpr int cancelledStartStatus = 1;

constexpr char modifiedMark[] = " *";

} // namespace

std::string frameTitle()
{
    const FileBuffer& buffer = editorCore.buffer;
    return "Nibblor - " + std::string(buffer.path, strnlen(buffer.path, FileBuffer::pathCapacity)) +
           (editorCore.documentModified() ? modifiedMark : "");
}

void showFrameTitle()
{
    if (editorCore.frameWindow != nullptr) {
        SetWindowTextA(editorCore.frameWindow, frameTitle().c_str());
    }
}

void openFile(HWND frame)
{
    EditorCore& core = editorCore;
    if (!settleUnsavedChanges(frame)) {
        return;
    }
    const int answer = openWithDialog(core.buffer, frame);
    if (answer == openChosen) {
        core.documentLoaded(); // a new document, or none after a failed read
    }
    // A size of -1 is the mark of an editor abandoned earlier: it holds no document either.
    if (answer == openCancelled && core.buffer.size <= 0) {
        if (core.parentWindow != nullptr) {
            SendMessageA(core.frameWindow, WM_COMMAND, destroyCommand, 0);
            core.buffer.size = -1;
            return;
        }
        std::exit(cancelledStartStatus);
    }
    showFrameTitle();
    core.digitIndex = 0;
    core.setCursorOffset(0);
    core.scrollCursorToTop();
    // Shown even when every row fits on one page.
    core.updateScrollRange(true);
    core.followLabelWidth();
    core.focusActivePane();
}

bool saveFileAs(HWND frame)
{
    if (!chooseSaveName(editorCore.buffer, frame)) {
        showFrameTitle();
        editorCore.focusActivePane();
        return false; // cancelled: nothing to report
    }
    return finishSave(writeToPath(editorCore.buffer));
}
