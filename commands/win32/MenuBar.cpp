// The menu bar built from the command table, and its items' states.
#include "commands/win32/MenuBar.h"

#include "editor/EditorCore.h"

namespace {

// Where the core keeps the handle of a popup, so that commands can mark its items.
MenuHandle* popupHandle(EditorCore& core, MenuBarPlace popup)
{
    switch (popup) {
    case MenuBarPlace::fileMenu:
        return &core.fileMenu;
    case MenuBarPlace::editMenu:
        return &core.editMenu;
    case MenuBarPlace::viewMenu:
        return &core.viewMenu;
    default:
        return nullptr;
    }
}

} // namespace

void appendMenuItems(HMENU menu, const std::vector<MenuItem>& items)
{
    for (const MenuItem& item : items) {
        if (item.command == noCommand) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(item.command), item.text.c_str());
        }
    }
}

void showItemStates(HMENU menu, const std::vector<MenuItem>& items)
{
    for (const MenuItem& item : items) {
        if (item.command == noCommand) {
            continue;
        }
        const auto id = static_cast<UINT>(item.command);
        EnableMenuItem(menu, id, MF_BYCOMMAND | (item.enabled ? MF_ENABLED : MF_GRAYED));
        if (item.check != CheckMark::none) {
            CheckMenuItem(menu, id, MF_BYCOMMAND | (item.check == CheckMark::checked ? MF_CHECKED : MF_UNCHECKED));
        }
    }
}

void showMenuStates()
{
    EditorCore& core = editorCore;
    if (core.menuBar != nullptr) {
        showItemStates(core.menuBar, menuBarStates(core)); // by command, so into every popup
    }
}

void buildMenuBar(EditorCore& core)
{
    core.menuBar = CreateMenu();
    for (const MenuBarEntry& entry : menuBarEntries()) {
        MenuHandle* popup = popupHandle(core, entry.place);
        if (popup == nullptr) {
            AppendMenuA(core.menuBar, MF_STRING, static_cast<UINT_PTR>(entry.command), entry.text);
            continue;
        }
        *popup = CreateMenu();
        appendMenuItems(*popup, popupItems(entry.place));
        AppendMenuA(core.menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(*popup), entry.text);
    }
    if (core.editMenu != nullptr) {
        insertCopyAsMenu(core.editMenu);
    }
}

void insertCopyAsMenu(HMENU menu)
{
    HMENU copyAs = CreatePopupMenu();
    appendMenuItems(copyAs, popupItems(MenuBarPlace::copyAsMenu));
    // After the original items, which keep their places: just before Fill Selection.
    InsertMenuA(menu, fillCommand, MF_BYCOMMAND | MF_POPUP, reinterpret_cast<UINT_PTR>(copyAs), copyAsMenuTitle);
}
