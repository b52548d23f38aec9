// The Open and Save common dialogs, with names as long as the system allows.
#include "document/win32/FileDialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// "All Files (*.*)" / "*.*", double-zero terminated.
const wchar_t allFilesFilter[] = L"All Files (*.*)\0*.*\0";

// The structure's size that every version of the dialogs accepts.
const DWORD dialogStructureSize = OPENFILENAME_SIZE_VERSION_400W;

// The longest path the system's file calls take, in characters.
constexpr DWORD longestPath = 32768;

void fillDialog(OPENFILENAMEW& dialog, HWND owner, std::vector<wchar_t>& fileName, const wchar_t* title)
{
    ZeroMemory(&dialog, sizeof dialog);
    dialog.lStructSize = dialogStructureSize;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = allFilesFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName.data();
    dialog.nMaxFile = static_cast<DWORD>(fileName.size());
    dialog.lpstrTitle = title;
}

} // namespace

bool chooseFileToOpen(HWND owner, FilePath& chosen, bool& readOnly)
{
    std::vector<wchar_t> name(longestPath, L'\0');
    OPENFILENAMEW dialog;
    fillDialog(dialog, owner, name, L"Open");
    dialog.Flags = OFN_FILEMUSTEXIST | (readOnly ? OFN_READONLY : 0);
    if (GetOpenFileNameW(&dialog) == FALSE) {
        return false;
    }
    chosen = FilePath(name.data());
    readOnly = (dialog.Flags & OFN_READONLY) != 0;
    return true;
}

bool chooseFileOfType(HWND owner, const wchar_t* filter, FilePath& chosen)
{
    std::vector<wchar_t> name(longestPath, L'\0');
    OPENFILENAMEW dialog;
    fillDialog(dialog, owner, name, L"Open");
    dialog.lpstrFilter = filter;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (GetOpenFileNameW(&dialog) == FALSE) {
        return false;
    }
    chosen = FilePath(name.data());
    return true;
}

bool chooseFileToSave(HWND owner, const FilePath& current, FilePath& chosen)
{
    std::vector<wchar_t> name(longestPath, L'\0');
    const std::wstring& offered = current.native();
    offered.copy(name.data(), std::min<std::size_t>(offered.size(), longestPath - 1));
    OPENFILENAMEW dialog;
    fillDialog(dialog, owner, name, L"Save");
    dialog.Flags = OFN_OVERWRITEPROMPT;
    if (GetSaveFileNameW(&dialog) == FALSE) {
        return false;
    }
    chosen = FilePath(name.data());
    return true;
}
