// The editor's right-button menu, built afresh for every request so that its
// graying follows the selection and the clipboard of the moment.
#include "commands/ContextMenu.h"

#include "editor/EditorCore.h"

HMENU buildContextMenu()
{
    const EditorCore& core = editorCore;
    // A child editor has no menu bar, so its context menu carries the rest.
    const bool child = (core.windowStyle & WS_CHILD) != 0;
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) {
        return nullptr;
    }
    AppendMenuA(menu, MF_STRING, 1, "&Open");
    AppendMenuA(menu, MF_STRING, 2, "&Save As");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    if (child) {
        AppendMenuA(menu, MF_STRING, 6, "Cu&t");
        AppendMenuA(menu, MF_STRING, 7, "&Copy");
        if (!core.hasSelection()) {
            EnableMenuItem(menu, 6, MF_BYCOMMAND | MF_GRAYED);
            EnableMenuItem(menu, 7, MF_BYCOMMAND | MF_GRAYED);
        }
        AppendMenuA(menu, MF_STRING, 8, "&Paste");
        if (IsClipboardFormatAvailable(CF_TEXT) != 1) {
            EnableMenuItem(menu, 8, MF_BYCOMMAND | MF_GRAYED);
        }
    }
    AppendMenuA(menu, MF_STRING, 10, "View in &Hex");
    AppendMenuA(menu, MF_STRING, 11, "View in &Octal");
    if (child) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, 12, "Change &Font");
        AppendMenuA(menu, MF_STRING, 13, "Change Colo&rs");
    }
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
