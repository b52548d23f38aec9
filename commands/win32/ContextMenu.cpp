// The editor's right-button menu, built afresh for every request so that its
// graying follows the selection and the clipboard of the moment.
#include "commands/win32/ContextMenu.h"

#include "commands/CommandTable.h"
#include "commands/win32/MenuBar.h"
#include "editor/EditorCore.h"

HMENU buildContextMenu()
{
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) {
        return nullptr;
    }
    const std::vector<MenuItem> items = contextMenuItems(editorCore);
    appendMenuItems(menu, items);
    showItemStates(menu, items);
    return menu;
}

void showContextMenu(HWND frame, int x, int y)
{
    HMENU menu = buildContextMenu();
    if (menu == nullptr) {
        return;
    }
    // The menu is placed in screen coordinates.
    POINT where{x, y};
    ClientToScreen(frame, &where);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, where.x, where.y, 0, frame, nullptr);
    DestroyMenu(menu);
}
