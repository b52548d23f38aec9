// The editor's right-button menu, built afresh for every request so that its
// graying follows the selection and the clipboard of the moment.
#include "commands/win32/ContextMenu.h"

#include "commands/CommandIds.h"
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
    AppendMenuA(menu, MF_STRING, openCommand, "&Open");
    AppendMenuA(menu, MF_STRING, saveAsCommand, "&Save As");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    if (child) {
        AppendMenuA(menu, MF_STRING, cutCommand, "Cu&t");
        AppendMenuA(menu, MF_STRING, copyCommand, "&Copy");
        if (!core.hasSelection()) {
            EnableMenuItem(menu, cutCommand, MF_BYCOMMAND | MF_GRAYED);
            EnableMenuItem(menu, copyCommand, MF_BYCOMMAND | MF_GRAYED);
        }
        AppendMenuA(menu, MF_STRING, pasteCommand, "&Paste");
        if (IsClipboardFormatAvailable(CF_TEXT) != 1) {
            EnableMenuItem(menu, pasteCommand, MF_BYCOMMAND | MF_GRAYED);
        }
    }
    AppendMenuA(menu, MF_STRING, hexViewCommand, "View in &Hex");
    AppendMenuA(menu, MF_STRING, octalViewCommand, "View in &Octal");
    if (child) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, changeFontCommand, "Change &Font");
        AppendMenuA(menu, MF_STRING, changeColorsCommand, "Change Colo&rs");
        // A child editor has no menu bar: the later commands come here too.
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, saveCommand, "Sa&ve");
        AppendMenuA(menu, MF_STRING, undoCommand, "&Undo");
        AppendMenuA(menu, MF_STRING, redoCommand, "R&edo");
        AppendMenuA(menu, MF_STRING, findNextCommand, "Find &next");
        AppendMenuA(menu, MF_STRING, goToOffsetCommand, "&Go to offset...");
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
