#pragma once
// The one table of the editor's commands: what each does, where it sits in
// the menu bar and in the context menu, what greys and checks it there, and
// the key that carries it. The menus are built, their items greyed and
// checked, the keys mapped and the commands run from it alone, so a new
// command is one more row.
#include <string>
#include <vector>

#include "commands/CommandHandlers.h"
#include "commands/CommandIds.h"

struct EditorCore;

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
    // Cut, Copy and Paste are never greyed in the menu bar; the context
    // menu, built for the moment it opens, greys them.
    bool alwaysEnabled = false;
};

// The context menu of a top-level editor, or that of a child editor, which
// has no menu bar and so carries more.
enum class ContextShown { never, always, childOnly };

// The context menu goes by section, then by order within the section; a
// separator parts two sections that are both shown.
struct ContextSpot {
    ContextShown shown = ContextShown::never;
    int section = 0;
    int order = 0;
    const char* text = nullptr; // none: the menu bar's text without its key
    // The context menu checks only the typing mode; the views' items there
    // are commands, not states.
    bool showsCheck = false;
};

// When an item is enabled and when checked; none: always enabled, never checked.
struct CommandRules {
    CommandRule enabled = nullptr;
    CommandRule checked = nullptr;
};

struct CommandRow {
    Command id = noCommand;
    CommandHandler run = nullptr;
    CommandRules rules = {};
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

enum class CheckMark { none, clear, checked };

// An item of a popup menu, and its state as the rules find the editor; a
// separator carries noCommand.
struct MenuItem {
    Command command = noCommand;
    std::string text;
    bool enabled = true;
    CheckMark check = CheckMark::none;
};

// The menu bar from left to right: each popup where its first command is.
std::vector<MenuBarEntry> menuBarEntries();
std::vector<MenuItem> popupItems(MenuBarPlace popup);
// The state of every item of the menu bar's popups, their texts left out.
std::vector<MenuItem> menuBarStates(EditorCore& core);
// The context menu of this editor as it stands: a child editor has no menu
// bar, so its context menu carries more.
std::vector<MenuItem> contextMenuItems(EditorCore& core);

// Runs the command the id names: a row's, or a recent file's. False when
// the user declined it; an id that names no command does nothing.
bool runCommand(EditorCore& core, int id);

// The command a key pressed with exactly these modifiers carries, or noCommand.
Command commandForKey(int code, bool ctrl, bool shift);
// The command a control character carries, or noCommand.
Command commandForCharacter(int character);
