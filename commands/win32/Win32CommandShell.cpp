// Each part of the command shell calls the frame's function for it; the
// frame is the owner of every dialog.
#include "commands/win32/Win32CommandShell.h"

#include <windows.h>

#include "commands/CommandShell.h"
#include "commands/win32/AboutDialog.h"
#include "commands/win32/ChecksumsDialog.h"
#include "commands/win32/ClipboardCommands.h"
#include "commands/win32/ColorsDialog.h"
#include "commands/win32/CompareCommands.h"
#include "commands/win32/EditCommands.h"
#include "commands/win32/FileCommands.h"
#include "commands/win32/FindDialog.h"
#include "commands/win32/FontCommand.h"
#include "commands/win32/GoToDialog.h"
#include "commands/win32/InfoPanels.h"
#include "commands/win32/InsertDialog.h"
#include "commands/win32/InspectorWindow.h"
#include "structureview/win32/StructureWindow.h"
#include "commands/win32/ReplaceDialog.h"
#include "commands/win32/StatusBar.h"
#include "commands/win32/UndoCommands.h"
#include "commands/win32/ViewCommands.h"
#include "editor/EditorCore.h"

namespace {

HWND frame()
{
    return editorCore.frameWindow;
}

class Win32CommandShell final : public CommandShell {
public:
    void settle() override { retitleAndFocus(); }

    void find() override { runFind(frame()); }
    void replace() override { openReplaceDialog(frame()); }
    void goToOffset() override { ::goToOffset(frame()); }
    void insertChars() override { insertCharacters(frame()); }
    void fillSelection() override { fillSelectionFromDialog(frame()); }
    void changeColors() override { ::changeColors(editorCore.instance, frame()); }
    void about() override
    {
        runAboutDialog(editorCore.instance, frame());
        editorCore.focusActivePane();
    }
    void checksums() override { showChecksums(frame()); }
    bool changeFont() override { return ::changeFont(); }

    void toggleInspector() override { ::toggleInspector(frame()); }
    void toggleStructure() override { ::toggleStructure(frame()); }
    void toggleStatusBar() override { ::toggleStatusBar(frame()); }
    bool inspectorShown() const override { return ::inspectorShown(); }
    bool structureShown() const override { return ::structureShown(); }
    bool statusBarShown() const override { return ::statusBarShown(); }

    void exitProgram() override { exitEditor(frame()); }
    void destroyFrame() override
    {
        DestroyWindow(editorCore.frameWindow);
        editorCore.frameWindow = nullptr;
    }

    void cut() override { cutSelection(frame()); }
    void copy() override { copySelection(frame()); }
    void paste() override { pasteClipboard(frame()); }
    void copyAs(CopyAsForm form) override { copySelectionAs(frame(), form); }

    void undo() override { undoChange(); }
    void redo() override { redoChange(); }
    void repeatSearch(bool backward) override { ::repeatSearch(frame(), backward); }
    void switchView(int octal) override { ::switchView(frame(), octal); }
    void toggleInsertMode() override { ::toggleInsertMode(); }
    void compareWith() override { compareWithFile(frame()); }
    void stepToDifference(bool forward) override { ::stepToDifference(frame(), forward); }
};

} // namespace

CommandShell& win32CommandShell()
{
    static Win32CommandShell shell;
    return shell;
}
