// The rows of the command table, and the menus and keys read from them.
#include "commands/CommandTable.h"

#include <algorithm>

#include "commands/CommandShell.h"
#include "editor/EditorCore.h"

namespace {

constexpr MenuBarPlace file = MenuBarPlace::fileMenu;
constexpr MenuBarPlace edit = MenuBarPlace::editMenu;
constexpr MenuBarPlace view = MenuBarPlace::viewMenu;
constexpr MenuBarPlace bar = MenuBarPlace::ownItem;
constexpr MenuBarPlace copyAs = MenuBarPlace::copyAsMenu;
constexpr bool separated = true;
constexpr bool alwaysEnabled = true;
constexpr bool showsCheck = true;
constexpr ContextShown always = ContextShown::always;
constexpr ContextShown child = ContextShown::childOnly;
constexpr CommandRules whenSelected = {rules::hasSelection};
constexpr CommandRules whenComparing = {rules::comparing};

// The context menu's sections: the file commands, the editing and view
// commands, the display settings, then the typing mode and the commands of
// daily use.
constexpr int fileSection = 1;
constexpr int editAndViewSection = 2;
constexpr int displaySection = 3;
constexpr int dailyUseSection = 4;

using namespace handlers;

const std::vector<CommandRow> rows = {
    // id, handler, rules {enabled, checked}, menu bar {popup, text, separator before, always enabled},
    // context menu {shown, section, order, text, shows check}, key {code, modifiers}, control character
    {openCommand, open, {}, {file, "&Open"}, {always, fileSection, 10}},
    {openReadOnlyCommand, openReadOnly, {}, {file, "Open &Read-Only..."}},
    {saveCommand, save, {rules::saveAvailable}, {file, "&Save\tCtrl+S"}, {child, dailyUseSection, 10, "Sa&ve"},
     {'S', withCtrl}},
    {saveAsCommand, saveAs, {}, {file, "Save &As"}, {always, fileSection, 20, "&Save As"}},
    {compareWithCommand, compareWith, {}, {file, "Co&mpare With...", separated}},
    {nextDifferenceCommand, nextDifference, whenComparing, {file, "&Next Difference\tF6"}, {}, {KeyCode::f6}},
    {previousDifferenceCommand, previousDifference, whenComparing, {file, "&Previous Difference\tShift+F6"}, {},
     {KeyCode::f6, withShift}},
    {stopComparingCommand, stopComparing, whenComparing, {file, "Stop &Comparing"}},
    {exitCommand, exitProgram, {}, {file, "E&xit"}},
    {copyCommand, copy, whenSelected, {edit, "&Copy", false, alwaysEnabled}, {child, editAndViewSection, 20}, {},
     controlCharacter('C')},
    {cutCommand, cut, whenSelected, {edit, "Cu&t", false, alwaysEnabled}, {child, editAndViewSection, 10}, {},
     controlCharacter('X')},
    {pasteCommand, paste, {rules::clipboardHasText}, {edit, "&Paste", false, alwaysEnabled},
     {child, editAndViewSection, 30}, {}, controlCharacter('V')},
    {copyAsCArrayCommand, copyAsCArray, whenSelected, {copyAs, "&C Array"}},
    {copyAsPythonCommand, copyAsPython, whenSelected, {copyAs, "&Python Bytes"}},
    {copyAsBase64Command, copyAsBase64, whenSelected, {copyAs, "&Base64"}},
    {copyAsHexDumpCommand, copyAsHexDump, whenSelected, {copyAs, "Hex &Dump"}},
    {insertCharsCommand, insertChars, {}, {edit, "&Insert chars"}, {}, {KeyCode::insert}},
    {insertModeCommand, toggleInsertMode, {nullptr, rules::insertMode}, {edit, "Insert &Mode\tCtrl+M"},
     {always, dailyUseSection, 5, nullptr, showsCheck}, {'M', withCtrl}},
    {fillCommand, fillSelection, whenSelected, {edit, "&Fill Selection..."}},
    {checksumsCommand, checksums, {}, {edit, "C&hecksums..."}},
    {toggleBookmarkCommand, toggleBookmark, {}, {edit, "Toggle &Bookmark\tCtrl+F2", separated}, {},
     {KeyCode::f2, withCtrl}},
    {nextBookmarkCommand, nextBookmark, {}, {edit, "&Next Bookmark\tF2"}, {}, {KeyCode::f2}},
    {previousBookmarkCommand, previousBookmark, {}, {edit, "Pre&vious Bookmark\tShift+F2"}, {},
     {KeyCode::f2, withShift}},
    {clearBookmarksCommand, clearBookmarks, {}, {edit, "C&lear Bookmarks"}},
    {undoCommand, undo, {}, {edit, "&Undo\tCtrl+Z", separated}, {child, dailyUseSection, 20}, {'Z', withCtrl}},
    {redoCommand, redo, {}, {edit, "&Redo\tCtrl+Y"}, {child, dailyUseSection, 30, "R&edo"}, {'Y', withCtrl}},
    {findNextCommand, findNext, {}, {edit, "Find ne&xt\tF3", separated}, {child, dailyUseSection, 40}, {KeyCode::f3}},
    {findPreviousCommand, findPrevious, {}, {edit, "Find previ&ous\tShift+F3"}, {}, {KeyCode::f3, withShift}},
    {replaceCommand, replace, {}, {edit, "R&eplace...\tCtrl+H"}, {}, {'H', withCtrl}},
    {goToOffsetCommand, goToOffset, {}, {edit, "&Go to offset...\tCtrl+G"}, {child, dailyUseSection, 50},
     {'G', withCtrl}},
    {findCommand, find, {}, {bar, "F&ind"}, {}, {'F', withCtrl}},
    {hexViewCommand, hexView, {nullptr, rules::hexView}, {view, "&Hex"},
     {always, editAndViewSection, 40, "View in &Hex"}},
    {octalViewCommand, octalView, {nullptr, rules::octalView}, {view, "&Octal"},
     {always, editAndViewSection, 50, "View in &Octal"}},
    {changeFontCommand, changeFont, {}, {view, "Change &Font", separated}, {child, displaySection, 10}},
    {changeColorsCommand, changeColors, {}, {view, "Change &Colors"}, {child, displaySection, 20, "Change Colo&rs"}},
    {inspectorCommand, toggleInspector, {nullptr, rules::inspectorShown}, {view, "Data &Inspector\tCtrl+D", separated},
     {}, {'D', withCtrl}},
    {structureCommand, toggleStructure, {nullptr, rules::structureShown}, {view, "S&tructure\tCtrl+T"},
     {child, displaySection, 30, "Structure &Window"}, {'T', withCtrl}},
    {statusBarCommand, toggleStatusBar, {nullptr, rules::statusBarShown}, {view, "&Status Bar"}},
    {aboutCommand, about, {}, {bar, "&About"}},
    // The host's: the editor window taken down.
    {destroyCommand, destroyFrame},
};

struct PopupTitle {
    MenuBarPlace popup;
    const char* title;
};

constexpr PopupTitle popupTitles[] = {{file, "&File"}, {edit, "&Edit"}, {view, "&View"}};

const char* titleOf(MenuBarPlace popup)
{
    for (const PopupTitle& entry : popupTitles) {
        if (entry.popup == popup) {
            return entry.title;
        }
    }
    return "";
}

std::string contextText(const CommandRow& row)
{
    if (row.context.text != nullptr) {
        return row.context.text;
    }
    if (row.bar.text == nullptr) {
        return "";
    }
    const std::string text = row.bar.text;
    return text.substr(0, text.find('\t'));
}

bool inContextMenu(const CommandRow& row, bool childEditor)
{
    return row.context.shown == always || (row.context.shown == child && childEditor);
}

// The editor's command shell, or one that does nothing.
CommandContext contextOf(EditorCore& core)
{
    static CommandShell noShell;
    return {core, core.shell.commands != nullptr ? *core.shell.commands : noShell};
}

bool applies(CommandRule rule, const CommandContext& context)
{
    return rule == nullptr || rule(context);
}

CheckMark checkMark(CommandRule rule, const CommandContext& context)
{
    if (rule == nullptr) {
        return CheckMark::none;
    }
    return rule(context) ? CheckMark::checked : CheckMark::clear;
}

const CommandRow* rowOf(int id)
{
    const auto row = std::find_if(rows.begin(), rows.end(), [id](const CommandRow& each) { return each.id == id; });
    return row != rows.end() ? &*row : nullptr;
}

} // namespace

const std::vector<CommandRow>& commandTable()
{
    return rows;
}

std::vector<MenuBarEntry> menuBarEntries()
{
    std::vector<MenuBarEntry> entries;
    for (const CommandRow& row : rows) {
        const MenuBarPlace place = row.bar.place;
        if (place == bar) {
            entries.push_back({place, row.id, row.bar.text});
        } else if (place != MenuBarPlace::none && place != copyAs &&
                   std::none_of(entries.begin(), entries.end(),
                                [place](const MenuBarEntry& entry) { return entry.place == place; })) {
            entries.push_back({place, noCommand, titleOf(place)});
        }
    }
    return entries;
}

std::vector<MenuItem> popupItems(MenuBarPlace popup)
{
    std::vector<MenuItem> items;
    for (const CommandRow& row : rows) {
        if (row.bar.place != popup) {
            continue;
        }
        if (row.bar.separatorBefore && !items.empty()) {
            items.push_back({});
        }
        items.push_back({row.id, row.bar.text});
    }
    return items;
}

std::vector<MenuItem> menuBarStates(EditorCore& core)
{
    const CommandContext context = contextOf(core);
    std::vector<MenuItem> states;
    for (const CommandRow& row : rows) {
        const MenuBarPlace place = row.bar.place;
        if (place != MenuBarPlace::none && place != bar) {
            states.push_back({row.id, {}, row.bar.alwaysEnabled || applies(row.rules.enabled, context),
                              checkMark(row.rules.checked, context)});
        }
    }
    return states;
}

std::vector<MenuItem> contextMenuItems(EditorCore& core)
{
    const bool childEditor = (core.windowStyle & EditorCore::styleChild) != 0;
    const CommandContext context = contextOf(core);
    std::vector<const CommandRow*> shown;
    for (const CommandRow& row : rows) {
        if (inContextMenu(row, childEditor)) {
            shown.push_back(&row);
        }
    }
    std::stable_sort(shown.begin(), shown.end(), [](const CommandRow* a, const CommandRow* b) {
        return a->context.section != b->context.section ? a->context.section < b->context.section
                                                        : a->context.order < b->context.order;
    });
    std::vector<MenuItem> items;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (i > 0 && shown[i]->context.section != shown[i - 1]->context.section) {
            items.push_back({});
        }
        const CommandRow& row = *shown[i];
        items.push_back({row.id, contextText(row), applies(row.rules.enabled, context),
                         row.context.showsCheck ? checkMark(row.rules.checked, context) : CheckMark::none});
    }
    return items;
}

bool runCommand(EditorCore& core, int id)
{
    CommandContext context = contextOf(core);
    if (id >= firstRecentFileCommand && id < firstRecentFileCommand + recentFileCount) {
        return handlers::openRecent(context, static_cast<std::size_t>(id - firstRecentFileCommand));
    }
    const CommandRow* row = rowOf(id);
    return row == nullptr || row->run(context);
}

Command commandForKey(int code, bool ctrl, bool shift)
{
    const unsigned modifiers = (ctrl ? withCtrl : noModifiers) | (shift ? withShift : noModifiers);
    for (const CommandRow& row : rows) {
        if (row.key.code != KeyCode::none && row.key.code == code && row.key.modifiers == modifiers) {
            return row.id;
        }
    }
    return noCommand;
}

Command commandForCharacter(int character)
{
    for (const CommandRow& row : rows) {
        if (row.character != 0 && row.character == character) {
            return row.id;
        }
    }
    return noCommand;
}
