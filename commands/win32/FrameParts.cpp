// The commands' side of the editor's frame, for editor/win32/FrameParts.h.
#include "editor/win32/FrameParts.h"

#include "commands/win32/EditCommands.h"
#include "commands/win32/FileCommands.h"
#include "commands/win32/FrameWindow.h"
#include "commands/win32/InfoPanels.h"
#include "commands/win32/MenuBar.h"
#include "editor/EditorCore.h"

WNDPROC frameWindowProcedure()
{
    return frameWindowProc;
}

void buildFrameMenus(EditorCore& core)
{
    buildMenuBar(core);
    loadRecentFiles();
    showRecentFiles(core.files.recentFiles().entries());
}

void restoreFrameChoices(HWND frame)
{
    restoreInfoPanels(frame);
    restoreInsertMode();
}

FileShell& frameFileShell()
{
    return win32FileShell();
}

void showFrameTitleChange()
{
    showFrameTitle();
}

void noteShownChange()
{
    requestInfoRefresh();
}
