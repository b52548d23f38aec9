// The editor's right-button menu, built afresh for every request so that its
// graying follows the selection and the clipboard of the moment.
#include "commands/win32/ContextMenu.h"

#include "commands/CommandTable.h"
#include "commands/win32/ClipboardCommands.h"
#include "commands/win32/MenuBar.h"
#include "editor/EditorCore.h"

namespace {

bool greyed(Greying greying)
{
    switch (greying) {
    case Greying::withoutSelection:
        return !editorCore.hasSelection();
    case Greying::withoutClipboardText:
        return IsClipboardFormatAvailable(CF_TEXT) != 1 && IsClipboardFormatAvailable(bytesClipboardFormat()) != 1;
    case Greying::inReadOnlyDocument:
        return !editorCore.files.saveAvailable();
    default:
        return false;
    }
}

} // namespace

HMENU buildContextMenu()
{
    // A child editor has no menu bar, so its context menu carries the rest.
    const bool child = (editorCore.windowStyle & WS_CHILD) != 0;
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) {
        return nullptr;
    }
    const std::vector<MenuItem> items = contextMenuItems(child);
    appendMenuItems(menu, items);
    for (const MenuItem& item : items) {
        if (item.command != noCommand && greyed(item.greying)) {
            EnableMenuItem(menu, static_cast<UINT>(item.command), MF_BYCOMMAND | MF_GRAYED);
        }
    }
    CheckMenuItem(menu, insertModeCommand, MF_BYCOMMAND | (editorCore.insertMode ? MF_CHECKED : MF_UNCHECKED));
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
