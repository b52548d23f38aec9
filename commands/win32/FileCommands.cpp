// Open and Save As through the common dialogs, and the frame's title.
#include "commands/win32/FileCommands.h"

#include <cstdlib>
#include <cstring>

#include "commands/CommandIds.h"
#include "document/win32/FileDialogs.h"
#include "editor/EditorCore.h"

namespace {

// The exit status of a stand-alone editor whose first Open was cancelled.
constexpr int cancelledStartStatus = 1;

void setTitleFromPath()
{
    SetWindowTextA(editorCore.frameWindow, frameTitle().c_str());
}

} // namespace

std::string frameTitle()
{
    const FileBuffer& buffer = editorCore.buffer;
    return "Nibblor - " + std::string(buffer.path, strnlen(buffer.path, FileBuffer::pathCapacity));
}

void openFile(HWND frame)
{
    EditorCore& core = editorCore;
    const int answer = openWithDialog(core.buffer, frame);
    // A size of -1 is the mark of an editor abandoned earlier: it holds no document either.
    if (answer == openCancelled && core.buffer.size <= 0) {
        if (core.parentWindow != nullptr) {
            SendMessageA(core.frameWindow, WM_COMMAND, destroyCommand, 0);
            core.buffer.size = -1;
            return;
        }
        std::exit(cancelledStartStatus);
    }
    setTitleFromPath();
    core.digitIndex = 0;
    core.setCursorOffset(0);
    core.scrollCursorToTop();
    // Shown even when every row fits on one page.
    core.updateScrollRange(true);
    core.followLabelWidth();
    core.focusActivePane();
}

void saveFileAs(HWND frame)
{
    switch (saveWithDialog(editorCore.buffer, frame)) {
    case saveCannotCreate:
        MessageBoxA(nullptr, "Could not open file for output.", "Error", MB_ICONERROR);
        break;
    case saveShortWrite:
        // The file is written aside and put in place only when complete.
        MessageBoxA(nullptr, "Error writing file.  The file was not changed.", "Error", MB_ICONERROR);
        break;
    default:
        break; // written, or cancelled
    }
    setTitleFromPath();
    editorCore.focusActivePane();
}
