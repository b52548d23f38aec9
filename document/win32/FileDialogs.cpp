// The Open and Save common dialogs that lead to loading and writing.
#include "document/win32/FileDialogs.h"

#include "document/win32/BusyCursor.h"
#include "document/win32/Win32FileSteps.h"

#include <commdlg.h>
#include <cderr.h>

namespace {

// "All Files (*.*)" / "*.*", double-zero terminated.
const char allFilesFilter[] = "All Files (*.*)\0*.*\0";

// The structure's size that every version of the dialogs accepts.
constexpr DWORD dialogStructureSize = 76;

void fillDialog(OPENFILENAMEA& dialog, HWND owner, char* fileName, char* fileTitle, const char* title)
{
    ZeroMemory(&dialog, sizeof dialog);
    dialog.lStructSize = dialogStructureSize;
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

int openWithDialog(FileBuffer& buffer, HWND owner)
{
    char* path = buffer.path;
    path[0] = '\0'; // the dialog opens without a name, and stays so when cancelled
    char fileTitle[FileBuffer::pathCapacity] = {};
    OPENFILENAMEA dialog;
    fillDialog(dialog, owner, path, fileTitle, "Open");
    dialog.Flags = OFN_FILEMUSTEXIST;
    if (GetOpenFileNameA(&dialog) != 1) {
        // A path that did not fit leaves its required length in the buffer.
        path[0] = '\0';
        reportPathTooLong();
        return openCancelled;
    }
    // A chosen file that cannot be read is reported, and its name is not kept:
    // a later Save As must not offer to overwrite it with the empty document.
    const BusyCursor busy(BusyCursor::fileSize(path));
    const int result = buffer.load(path);
    if (result != FileBuffer::loaded) {
        MessageBoxA(nullptr, FileBuffer::loadFailureText(path, result).c_str(), "Error", MB_ICONERROR);
        path[0] = '\0';
    }
    return openChosen;
}

int saveWithDialog(FileBuffer& buffer, HWND owner)
{
    if (!chooseSaveName(buffer, owner)) {
        return saveDone;
    }
    return writeToPath(buffer);
}

bool chooseSaveName(FileBuffer& buffer, HWND owner)
{
    char fileTitle[FileBuffer::pathCapacity] = {};
    // The chosen name goes to a copy first, so a cancelled dialog leaves the path alone.
    char chosen[FileBuffer::pathCapacity];
    lstrcpynA(chosen, buffer.path, FileBuffer::pathCapacity);
    OPENFILENAMEA dialog;
    fillDialog(dialog, owner, chosen, fileTitle, "Save");
    dialog.Flags = OFN_OVERWRITEPROMPT;
    if (GetSaveFileNameA(&dialog) != 1) {
        reportPathTooLong();
        return false;
    }
    buffer.setPath(chosen);
    return true;
}

int writeToPath(const FileBuffer& buffer)
{
    const BusyCursor busy(buffer.size);
    switch (buffer.writeTo(buffer.path, win32FileSteps())) {
    case FileBuffer::cannotCreate:
        return saveCannotCreate;
    case FileBuffer::shortWrite:
        return saveShortWrite;
    default:
        return saveDone;
    }
}
