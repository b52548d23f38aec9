// The Open and Save common dialogs that lead to loading and writing.
#include <windows.h>
#include <commdlg.h>
#include <cderr.h>

#include "document/FileBuffer.h"

namespace {

// "All Files (*.*)" / "*.*", double-zero terminated.
const char allFilesFilter[] = "All Files (*.*)\0*.*\0";

void fillDialog(OPENFILENAMEA& dialog, HWND owner, char* fileName, char* fileTitle, const char* title)
{
    ZeroMemory(&dialog, sizeof dialog);
    dialog.lStructSize = 76; // the size every version of the dialog accepts
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = allFilesFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName;
    dialog.nMaxFile = FileBuffer::pathCapacity - 1;
    dialog.lpstrFileTitle = fileTitle;
    dialog.nMaxFileTitle = FileBuffer::pathCapacity - 1;
    dialog.lpstrTitle = title;
}

// A chosen path that does not fit is not a cancel: the user is told.
void reportPathTooLong()
{
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
        MessageBoxA(nullptr, "The chosen path is too long.", "Error", MB_ICONERROR);
    }
}

} // namespace

int FileBuffer::openWithDialog(WindowHandle owner)
{
    path[0] = '\0'; // the dialog opens without a name, and stays so when cancelled
    char fileTitle[pathCapacity] = {};
    OPENFILENAMEA dialog;
    fillDialog(dialog, owner, path, fileTitle, "Open");
    dialog.Flags = OFN_FILEMUSTEXIST;
    if (GetOpenFileNameA(&dialog) != 1) {
        // A path that did not fit leaves its required length in the buffer.
        path[0] = '\0';
        reportPathTooLong();
        return -1;
    }
    // A chosen file that cannot be read is reported, and its name is not kept:
    // a later Save As must not offer to overwrite it with the empty document.
    const int result = load(path);
    if (result != loaded) {
        MessageBoxA(nullptr, loadFailureText(path, result).c_str(), "Error", MB_ICONERROR);
        path[0] = '\0';
    }
    return 1;
}

int FileBuffer::saveWithDialog(WindowHandle owner)
{
    char fileTitle[pathCapacity] = {};
    // The chosen name goes to a copy first, so a cancelled dialog leaves path alone.
    char chosen[pathCapacity];
    lstrcpynA(chosen, path, pathCapacity);
    OPENFILENAMEA dialog;
    fillDialog(dialog, owner, chosen, fileTitle, "Save");
    dialog.Flags = OFN_OVERWRITEPROMPT;
    if (GetSaveFileNameA(&dialog) != 1) {
        reportPathTooLong();
        return 1;
    }
    setPath(chosen);
    switch (writeTo(path)) {
    case cannotCreate:
        return 0;
    case shortWrite:
        return -1;
    default:
        return 1;
    }
}
