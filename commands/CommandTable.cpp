// The rows of the command table, and the menus and keys read from them.
#include "commands/CommandTable.h"

#include <algorithm>

namespace {

constexpr MenuBarPlace file = MenuBarPlace::fileMenu;
constexpr MenuBarPlace edit = MenuBarPlace::editMenu;
constexpr MenuBarPlace view = MenuBarPlace::viewMenu;
constexpr MenuBarPlace bar = MenuBarPlace::ownItem;
constexpr MenuBarPlace copyAs = MenuBarPlace::copyAsMenu;
constexpr bool separated = true;
constexpr ContextShown always = ContextShown::always;
constexpr ContextShown child = ContextShown::childOnly;
constexpr Greying needsSelection = Greying::withoutSelection;
constexpr Greying needsClipboardText = Greying::withoutClipboardText;
constexpr Greying needsWritableDocument = Greying::inReadOnlyDocument;

// The context menu's sections: the file commands, the editing and view
// commands, the display settings, then the commands beyond the original set.
constexpr int fileSection = 1;
constexpr int editAndViewSection = 2;
constexpr int displaySection = 3;
constexpr int laterSection = 4;

const std::vector<CommandRow> rows = {
    // id, menu bar {popup, text, separator before}, context menu {shown, section, order, text, greying},
    // key {code, modifiers}, control character
    {openCommand, {file, "&Open"}, {always, fileSection, 10}},
    {openReadOnlyCommand, {file, "Open &Read-Only..."}},
    {saveCommand, {file, "&Save\tCtrl+S"}, {child, laterSection, 10, "Sa&ve", needsWritableDocument}, {'S', withCtrl}},
    {saveAsCommand, {file, "Save &As"}, {always, fileSection, 20, "&Save As"}},
    {compareWithCommand, {file, "Co&mpare With...", separated}},
    {nextDifferenceCommand, {file, "&Next Difference\tF6"}, {}, {KeyCode::f6}},
    {previousDifferenceCommand, {file, "&Previous Difference\tShift+F6"}, {}, {KeyCode::f6, withShift}},
    {stopComparingCommand, {file, "Stop &Comparing"}},
    {exitCommand, {file, "E&xit"}},
    {copyCommand, {edit, "&Copy"}, {child, editAndViewSection, 20, nullptr, needsSelection}, {}, controlCharacter('C')},
    {cutCommand, {edit, "Cu&t"}, {child, editAndViewSection, 10, nullptr, needsSelection}, {}, controlCharacter('X')},
    {pasteCommand, {edit, "&Paste"}, {child, editAndViewSection, 30, nullptr, needsClipboardText}, {},
     controlCharacter('V')},
    {copyAsCArrayCommand, {copyAs, "&C Array"}},
    {copyAsPythonCommand, {copyAs, "&Python Bytes"}},
    {copyAsBase64Command, {copyAs, "&Base64"}},
    {copyAsHexDumpCommand, {copyAs, "Hex &Dump"}},
    {insertCharsCommand, {edit, "&Insert chars"}, {}, {KeyCode::insert}},
    {insertModeCommand, {edit, "Insert &Mode\tCtrl+M"}, {always, laterSection, 5}, {'M', withCtrl}},
    {fillCommand, {edit, "&Fill Selection..."}},
    {checksumsCommand, {edit, "C&hecksums..."}},
    {toggleBookmarkCommand, {edit, "Toggle &Bookmark\tCtrl+F2", separated}, {}, {KeyCode::f2, withCtrl}},
    {nextBookmarkCommand, {edit, "&Next Bookmark\tF2"}, {}, {KeyCode::f2}},
    {previousBookmarkCommand, {edit, "Pre&vious Bookmark\tShift+F2"}, {}, {KeyCode::f2, withShift}},
    {clearBookmarksCommand, {edit, "C&lear Bookmarks"}},
    {undoCommand, {edit, "&Undo\tCtrl+Z", separated}, {child, laterSection, 20}, {'Z', withCtrl}},
    {redoCommand, {edit, "&Redo\tCtrl+Y"}, {child, laterSection, 30, "R&edo"}, {'Y', withCtrl}},
    {findNextCommand, {edit, "Find ne&xt\tF3", separated}, {child, laterSection, 40}, {KeyCode::f3}},
    {findPreviousCommand, {edit, "Find previ&ous\tShift+F3"}, {}, {KeyCode::f3, withShift}},
    {replaceCommand, {edit, "R&eplace...\tCtrl+H"}, {}, {'H', withCtrl}},
    {goToOffsetCommand, {edit, "&Go to offset...\tCtrl+G"}, {child, laterSection, 50}, {'G', withCtrl}},
    {findCommand, {bar, "F&ind"}, {}, {'F', withCtrl}},
    {hexViewCommand, {view, "&Hex"}, {always, editAndViewSection, 40, "View in &Hex"}},
    {octalViewCommand, {view, "&Octal"}, {always, editAndViewSection, 50, "View in &Octal"}},
    {changeFontCommand, {view, "Change &Font", separated}, {child, displaySection, 10}},
    {changeColorsCommand, {view, "Change &Colors"}, {child, displaySection, 20, "Change Colo&rs"}},
    {inspectorCommand, {view, "Data &Inspector\tCtrl+D", separated}, {}, {'D', withCtrl}},
    {statusBarCommand, {view, "&Status Bar"}},
    {aboutCommand, {bar, "&About"}},
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
        items.push_back({row.id, row.bar.text, Greying::never});
    }
    return items;
}

std::vector<MenuItem> contextMenuItems(bool childEditor)
{
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
        items.push_back({shown[i]->id, contextText(*shown[i]), shown[i]->context.greying});
    }
    return items;
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
