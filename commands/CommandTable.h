#pragma once
// The one table of the editor's commands: where each sits in the menu bar and
// in the context menu, and the key that carries it. The menus are built and
// the keys mapped from it alone, so a new command is one more row.
#include <string>
#include <vector>

#include "commands/CommandIds.h"

// Virtual-key codes as the system numbers them; a letter's code is its
// uppercase ASCII character, so rows write 'S' for the S key.
namespace KeyCode {
constexpr int none = 0;
constexpr int insert = 0x2D;
constexpr int f2 = 0x71;
constexpr int f3 = 0x72;
constexpr int f6 = 0x75;
} // namespace KeyCode

// The modifiers a key is pressed with, as bits; they must match exactly.
enum KeyModifiers : unsigned {
    noModifiers = 0,
    withCtrl = 1,
    withShift = 2,
};

struct KeyChord {
    int code = KeyCode::none;
    unsigned modifiers = noModifiers;
};

// The character a letter typed with Ctrl arrives as: Ctrl+A is 1.
constexpr int controlCharacter(char letter)
{
    return letter - 'A' + 1;
}

// A popup of the menu bar, or the bar itself for a command of its own; the
// Edit menu's Copy As submenu is no popup of the bar.
enum class MenuBarPlace { none, fileMenu, editMenu, viewMenu, ownItem, copyAsMenu };

struct MenuBarSpot {
    MenuBarPlace place = MenuBarPlace::none;
    const char* text = nullptr; // its key after a tab, as the menu shows it
    bool separatorBefore = false;
};

// The context menu of a top-level editor, or that of a child editor, which
// has no menu bar and so carries more.
enum class ContextShown { never, always, childOnly };

// What an item of the context menu is greyed without.
enum class Greying { never, withoutSelection, withoutClipboardText, inReadOnlyDocument };

// The context menu goes by section, then by order within the section; a
// separator parts two sections that are both shown.
struct ContextSpot {
    ContextShown shown = ContextShown::never;
    int section = 0;
    int order = 0;
    const char* text = nullptr; // none: the menu bar's text without its key
    Greying greying = Greying::never;
};

struct CommandRow {
    Command id = noCommand;
    MenuBarSpot bar = {};
    ContextSpot context = {};
    KeyChord key = {};
    int character = 0; // a control character that comes as WM_CHAR, not as a key
};

// Every command, in the order of the menu bar.
const std::vector<CommandRow>& commandTable();

// The Edit menu's item that opens the Copy As submenu.
constexpr const char copyAsMenuTitle[] = "Copy &As";

// An entry of the menu bar: a popup with its title, or a command of its own.
struct MenuBarEntry {
    MenuBarPlace place = MenuBarPlace::none;
    Command command = noCommand;
    const char* text = nullptr;
};

// An item of a popup menu; a separator carries noCommand.
struct MenuItem {
    Command command = noCommand;
    std::string text;
    Greying greying = Greying::never;
};

// The menu bar from left to right: each popup where its first command is.
std::vector<MenuBarEntry> menuBarEntries();
std::vector<MenuItem> popupItems(MenuBarPlace popup);
std::vector<MenuItem> contextMenuItems(bool childEditor);

// The command a key pressed with exactly these modifiers carries, or noCommand.
Command commandForKey(int code, bool ctrl, bool shift);
// The command a control character carries, or noCommand.
Command commandForCharacter(int character);
