// The command table: the menus it lays out and the keys it maps.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "commands/CommandTable.h"

namespace {

// "id text" per item, "-" for a separator, and what greys it.
std::string render(const std::vector<MenuItem>& items)
{
    std::string text;
    for (const MenuItem& item : items) {
        text += text.empty() ? "" : ", ";
        text += item.command == noCommand ? "-" : std::to_string(item.command) + " " + item.text;
        text += item.greying == Greying::withoutSelection ? " ~sel" : "";
        text += item.greying == Greying::withoutClipboardText ? " ~clip" : "";
    }
    return text;
}

std::string renderMenuBar()
{
    std::string text;
    for (const MenuBarEntry& entry : menuBarEntries()) {
        text += entry.command != noCommand ? std::to_string(entry.command) + " " + entry.text + " "
                                           : entry.text + std::string("{") + render(popupItems(entry.place)) + "} ";
    }
    return text;
}

TEST(CommandTable, LaysOutTheMenus)
{
    const std::pair<std::string, const char*> cases[] = {
        {renderMenuBar(), "&File{1 &Open, 19 Open &Read-Only..., 14 &Save\tCtrl+S, 2 Save &As, -, 34 Co&mpare With..., "
                          "35 &Next Difference\tF6, 36 &Previous Difference\tShift+F6, 37 Stop &Comparing, 3 E&xit} "
                          "&Edit{7 &Copy, 6 Cu&t, 8 &Paste, 9 &Insert chars, 24 Insert &Mode\tCtrl+M, "
                          "25 &Fill Selection..., 38 C&hecksums..., -, 30 Toggle &Bookmark\tCtrl+F2, 31 &Next Bookmark\tF2, "
                          "32 Pre&vious Bookmark\tShift+F2, 33 C&lear Bookmarks, -, 15 &Undo\tCtrl+Z, 16 &Redo\tCtrl+Y, -, "
                          "18 Find ne&xt\tF3, 22 Find previ&ous\tShift+F3, 23 R&eplace...\tCtrl+H, "
                          "17 &Go to offset...\tCtrl+G} 4 F&ind "
                          "&View{10 &Hex, 11 &Octal, -, 12 Change &Font, 13 Change &Colors, -, "
                          "20 Data &Inspector\tCtrl+D, 21 &Status Bar} 5 &About "},
        {render(contextMenuItems(false)),
         "1 &Open, 2 &Save As, -, 10 View in &Hex, 11 View in &Octal, -, 24 Insert &Mode"},
        {render(contextMenuItems(true)),
         "1 &Open, 2 &Save As, -, 6 Cu&t ~sel, 7 &Copy ~sel, 8 &Paste ~clip, 10 View in &Hex, 11 View in &Octal, -, "
         "12 Change &Font, 13 Change Colo&rs, -, 24 Insert &Mode, 14 Sa&ve, 15 &Undo, 16 R&edo, 18 Find ne&xt, 17 &Go to offset..."},
    };
    for (const auto& [actual, expected] : cases) {
        EXPECT_EQ(actual, expected);
    }
}

// Each item of a menu has a key that leads to it alone; the context menu's
// "&Open" and "View in &Octal" keep the keys they always had, and share O.
TEST(CommandTable, EachItemOfAMenuHasAnAccessKeyOfItsOwn)
{
    std::vector<MenuItem> bar, edit = popupItems(MenuBarPlace::editMenu);
    for (const MenuBarEntry& entry : menuBarEntries()) {
        bar.push_back({entry.command, entry.text});
    }
    edit.push_back({noCommand, copyAsMenuTitle});
    for (const auto& items : {bar, popupItems(MenuBarPlace::fileMenu), edit, popupItems(MenuBarPlace::viewMenu),
                              popupItems(MenuBarPlace::copyAsMenu), contextMenuItems(false), contextMenuItems(true)}) {
        std::set<int> taken;
        for (const MenuItem& item : items) {
            const std::size_t mark = item.text.find('&');
            EXPECT_TRUE(item.text.empty() || mark < item.text.size() - 1) << item.text << " has no key";
            if (!item.text.empty() && !(item.text == "View in &Octal" && taken.count('O') == 1)) {
                EXPECT_TRUE(taken.insert(std::toupper(item.text[mark + 1])).second) << item.text;
            }
        }
    }
}

TEST(CommandTable, MapsKeysWithExactlyTheirModifiers)
{
    struct KeyCase {
        int code;
        bool ctrl, shift;
        Command expected;
    };
    const KeyCase keys[] = {
        {'S', true, false, saveCommand},         {'Z', true, false, undoCommand},
        {'Y', true, false, redoCommand},         {'F', true, false, findCommand},
        {'G', true, false, goToOffsetCommand},   {KeyCode::f3, false, false, findNextCommand},
        {'D', true, false, inspectorCommand},
        {KeyCode::insert, false, false, insertCharsCommand},
        {'S', false, false, noCommand},          {'S', true, true, noCommand},
        {KeyCode::f3, false, true, findPreviousCommand}, {'H', true, false, replaceCommand},
        {KeyCode::f6, false, false, nextDifferenceCommand}, {KeyCode::f6, false, true, previousDifferenceCommand},   {'X', true, false, noCommand}, // Cut comes as a character
    };
    for (const KeyCase& key : keys) {
        EXPECT_EQ(commandForKey(key.code, key.ctrl, key.shift), key.expected) << key.code;
    }
    const std::pair<int, Command> characters[] = {
        {0x18, cutCommand}, {0x03, copyCommand}, {0x16, pasteCommand},
        {'x', noCommand},   {'\t', noCommand},  {0, noCommand},
    };
    for (const auto& [character, expected] : characters) {
        EXPECT_EQ(commandForCharacter(character), expected) << character;
    }
}

TEST(CommandTable, EveryRowHasItsOwnIdKeyAndCharacter)
{
    std::set<int> ids, keys, characters;
    for (const CommandRow& row : commandTable()) {
        EXPECT_TRUE(ids.insert(row.id).second) << row.id;
        if (row.key.code != KeyCode::none) {
            EXPECT_TRUE(keys.insert(row.key.code * 4 + static_cast<int>(row.key.modifiers)).second) << row.id;
            EXPECT_EQ(commandForKey(row.key.code, (row.key.modifiers & withCtrl) != 0,
                                    (row.key.modifiers & withShift) != 0),
                      row.id);
        }
        if (row.character != 0) {
            EXPECT_TRUE(characters.insert(row.character).second) << row.id;
            EXPECT_EQ(commandForCharacter(row.character), row.id);
        }
    }
}

} // namespace
