// The File commands: each asks the core, which decides, and then hands the
// keyboard back to the pane. The questions, messages and dialogs the core
// asks for are shown here.
#include "commands/win32/FileCommands.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "document/win32/FileDialogs.h"
#include "document/win32/Win32FileSteps.h"
#include "editor/EditorCore.h"
#include "editor/win32/MessageBoxes.h"
#include "editor/win32/RecentFilesStore.h"

namespace {

// The separators around the recent files carry ids, so they can be found again.
constexpr UINT recentSeparatorAbove = firstRecentFileCommand + recentFileCount;
constexpr UINT recentSeparatorBelow = recentSeparatorAbove + 1;

class Win32FileShell final : public FileShell {
public:
    bool chooseFileToOpen(FilePath& chosen, bool& readOnly) override
    {
        return ::chooseFileToOpen(editorCore.frameWindow, chosen, readOnly);
    }

    bool chooseFileToSave(const FilePath& current, FilePath& chosen) override
    {
        return ::chooseFileToSave(editorCore.frameWindow, current, chosen);
    }

    FileSteps& files() override { return win32FileSteps(); }

    void recentFilesChanged(const std::vector<FilePath>& entries) override
    {
        storeRecentFiles(entries);
        showRecentFiles(entries);
    }
};

} // namespace

FileShell& win32FileShell()
{
    static Win32FileShell shell;
    return shell;
}

void retitleAndFocus()
{
    showFrameTitle();
    editorCore.focusActivePane();
}

void showFrameTitle()
{
    if (editorCore.frameWindow != nullptr) {
        SetWindowTextW(editorCore.frameWindow, editorCore.files.title().c_str());
    }
}

void exitEditor(HWND /*frame*/)
{
    if (editorCore.files.settleUnsavedChanges()) {
        PostQuitMessage(0); // hosted or not: ends the program
        return;
    }
    retitleAndFocus();
}

void closeFrame(HWND frame)
{
    if (editorCore.parentWindow == nullptr && !editorCore.files.settleUnsavedChanges()) {
        retitleAndFocus();
        return;
    }
    DestroyWindow(frame);
}

void openDroppedFile(HWND /*frame*/, HDROP drop)
{
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    const UINT copied = length > 0 ? DragQueryFileW(drop, 0, &name[0], length + 1) : 0;
    DragFinish(drop);
    if (copied == 0) {
        return;
    }
    name.resize(copied);
    // The program that dropped it should not wait on our questions.
    SetForegroundWindow(GetAncestor(editorCore.frameWindow, GA_ROOT));
    editorCore.files.openNamed(FilePath(name));
    retitleAndFocus();
}

void frameActivated(HWND /*frame*/)
{
    editorCore.files.checkForOutsideChanges(); // the core retitles the frame itself
}

void loadRecentFiles()
{
    editorCore.files.restoreRecentFiles(storedRecentFiles());
}

void showRecentFiles(const std::vector<FilePath>& entries)
{
    HMENU menu = editorCore.fileMenu;
    if (menu == nullptr || IsMenu(menu) == FALSE) {
        return;
    }
    for (UINT id = firstRecentFileCommand; id <= recentSeparatorBelow; ++id) {
        DeleteMenu(menu, id, MF_BYCOMMAND);
    }
    if (entries.empty()) {
        return; // no separators around an empty list
    }
    InsertMenuW(menu, exitCommand, MF_BYCOMMAND | MF_SEPARATOR, recentSeparatorAbove, nullptr);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        InsertMenuW(menu, exitCommand, MF_BYCOMMAND | MF_STRING, firstRecentFileCommand + i,
                    RecentFiles::menuText(i, entries[i]).c_str());
    }
    InsertMenuW(menu, exitCommand, MF_BYCOMMAND | MF_SEPARATOR, recentSeparatorBelow, nullptr);
}
