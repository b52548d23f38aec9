#pragma once
// The menus as the command table lays them out.
#include <windows.h>

#include <vector>

#include "commands/CommandTable.h"

struct EditorCore;

// A new menu bar with its File, Edit and View popups, kept in the core.
void buildMenuBar(EditorCore& core);

// The Copy As submenu put into the Edit menu, before Fill Selection.
void insertCopyAsMenu(HMENU menu);

// Appends the items, separators included, to the end of the menu.
void appendMenuItems(HMENU menu, const std::vector<MenuItem>& items);

// Each item greyed or enabled, and checked or not when it carries a mark.
void showItemStates(HMENU menu, const std::vector<MenuItem>& items);
// The menu bar's items as the command table's rules find the editor now: at
// the frame's creation, after each command and before a popup opens.
void showMenuStates();
