// The command table: the menus it lays out, the rules that grey and check
// their items, the commands it runs and the keys it maps.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "commands/CommandShell.h"
#include "commands/CommandTable.h"
#include "tests/native/LongWorkFakes.h"
#include "tests/native/TestEditor.h"

namespace {

// "id text" per item, "-" for a separator, " ~" when greyed, "[x]" or "[ ]" for a check mark.
std::string render(const std::vector<MenuItem>& items)
{
    std::string text;
    for (const MenuItem& item : items) {
        text += text.empty() ? "" : ", ";
        text += item.command == noCommand ? "-" : std::to_string(item.command) + " " + item.text;
        text += item.enabled ? "" : " ~";
        text += item.check == CheckMark::none ? "" : item.check == CheckMark::checked ? " [x]" : " [ ]";
    }
    return text;
}

// Records what the commands ask of the shell; the clipboard and the tool windows as set.
class RecordingCommandShell final : public CommandShell {
public:
    std::string calls;
    bool toolWindowsShown = false;

    void settle() override { calls += "settle "; }
    void find() override { calls += "find "; }
    void replace() override { calls += "replace "; }
    void goToOffset() override { calls += "goTo "; }
    void insertChars() override { calls += "insertChars "; }
    void fillSelection() override { calls += "fill "; }
    void changeColors() override { calls += "colors "; }
    void about() override { calls += "about "; }
    void checksums() override { calls += "checksums "; }
    bool changeFont() override
    {
        calls += "font ";
        return false; // the picker cancelled
    }
    void toggleInspector() override { calls += "inspector "; }
    void toggleStructure() override { calls += "structure "; }
    void toggleStatusBar() override { calls += "statusBar "; }
    bool inspectorShown() const override { return toolWindowsShown; }
    bool structureShown() const override { return toolWindowsShown; }
    bool statusBarShown() const override { return toolWindowsShown; }
    void exitProgram() override { calls += "exit "; }
    void destroyFrame() override { calls += "destroy "; }
    void cut() override { calls += "cut "; }
    void copy() override { calls += "copy "; }
    void paste() override { calls += "paste "; }
    void copyAs(CopyAsForm form) override { calls += "copyAs" + std::to_string(static_cast<int>(form)) + " "; }
    void undo() override { calls += "undo "; }
    void redo() override { calls += "redo "; }
    void repeatSearch(bool backward) override { calls += backward ? "searchBack " : "searchOn "; }
    void switchView(int octal) override { calls += "view" + std::to_string(octal) + " "; }
    void toggleInsertMode() override { calls += "insertMode "; }
    void compareWith() override { calls += "compare "; }
    void stepToDifference(bool forward) override { calls += forward ? "diffOn " : "diffBack "; }
};

std::vector<MenuItem> contextMenuOf(bool childEditor)
{
    EditorCore core;
    core.windowStyle = childEditor ? EditorCore::styleChild : 0;
    return contextMenuItems(core);
}

// The items a rule greys, then those checked and those with a clear mark.
std::string renderStates(const std::vector<MenuItem>& items)
{
    std::string greyed = "greyed", checked = " checked", clear = " clear";
    for (const MenuItem& item : items) {
        const std::string id = " " + std::to_string(item.command);
        greyed += item.enabled ? "" : id;
        checked += item.check == CheckMark::checked ? id : "";
        clear += item.check == CheckMark::clear ? id : "";
    }
    return greyed + checked + clear;
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
                          "20 Data &Inspector\tCtrl+D, 39 S&tructure\tCtrl+T, 21 &Status Bar} 5 &About "},
        {render(contextMenuOf(false)),
         "1 &Open, 2 &Save As, -, 10 View in &Hex, 11 View in &Octal, -, 24 Insert &Mode [ ]"},
        {render(contextMenuOf(true)),
         "1 &Open, 2 &Save As, -, 6 Cu&t ~, 7 &Copy ~, 8 &Paste ~, 10 View in &Hex, 11 View in &Octal, -, "
         "12 Change &Font, 13 Change Colo&rs, 39 Structure &Window, -, 24 Insert &Mode [ ], 14 Sa&ve, 15 &Undo, 16 R&edo, 18 Find ne&xt, "
         "17 &Go to offset..."},
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
                              popupItems(MenuBarPlace::copyAsMenu), contextMenuOf(false), contextMenuOf(true)}) {
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

// The menu bar greys by every rule but never Cut, Copy or Paste, and checks
// the views, the typing mode and the tool windows; the context menu greys by
// the same rules and checks the typing mode only.
TEST(CommandTable, GreysAndChecksItemsByTheEditorsState)
{
    testeditor::TestEditor e(64);
    RecordingCommandShell shell;
    RecordingClipboard clipboard;
    clipboard.text.clear();
    e.core.shell.commands = &shell;
    e.core.shell.clipboard = &clipboard;
    e.core.windowStyle = EditorCore::styleChild;
    EXPECT_EQ(renderStates(menuBarStates(e.core)), "greyed 35 36 37 26 27 28 29 25 checked 10 clear 24 11 20 39 21");
    EXPECT_EQ(renderStates(contextMenuItems(e.core)), "greyed 6 7 8 checked clear 24");

    e.selectTo(5);
    clipboard.text = "41";
    shell.toolWindowsShown = true;
    e.core.files.setReadOnlyMode(true);
    e.core.octalMode = 1;
    e.core.typing.setInserting(true);
    EXPECT_EQ(renderStates(menuBarStates(e.core)), "greyed 14 35 36 37 checked 24 11 20 39 21 clear 10");
    EXPECT_EQ(renderStates(contextMenuItems(e.core)), "greyed 14 checked 24 clear");
}

// Every row runs its own command; ids that name none do nothing, and a
// cancelled font picker declines its command.
TEST(CommandTable, RunsEachCommandThroughItsHandler)
{
    const std::pair<int, const char*> cases[] = {
        {openCommand, "settle "}, {openReadOnlyCommand, "settle "}, {saveCommand, "settle "},
        {saveAsCommand, "settle "}, {stopComparingCommand, "settle "}, {firstRecentFileCommand, "settle "},
        {firstRecentFileCommand + recentFileCount - 1, "settle "}, {compareWithCommand, "compare "},
        {nextDifferenceCommand, "diffOn "}, {previousDifferenceCommand, "diffBack "}, {exitCommand, "exit "},
        {copyCommand, "copy "}, {cutCommand, "cut "}, {pasteCommand, "paste "}, {copyAsCArrayCommand, "copyAs0 "},
        {copyAsPythonCommand, "copyAs1 "}, {copyAsBase64Command, "copyAs2 "}, {copyAsHexDumpCommand, "copyAs3 "},
        {insertCharsCommand, "insertChars "}, {insertModeCommand, "insertMode "}, {fillCommand, "fill "},
        {checksumsCommand, "checksums "}, {undoCommand, "undo "}, {redoCommand, "redo "},
        {findNextCommand, "searchOn "}, {findPreviousCommand, "searchBack "}, {replaceCommand, "replace "},
        {goToOffsetCommand, "goTo "}, {findCommand, "find "}, {hexViewCommand, "view0 "},
        {octalViewCommand, "view1 "}, {changeColorsCommand, "colors "}, {inspectorCommand, "inspector "},
        {structureCommand, "structure "}, {statusBarCommand, "statusBar "}, {aboutCommand, "about "}, {destroyCommand, "destroy "},
        {noCommand, ""}, {structureCommand + 1, ""}, {firstRecentFileCommand - 1, ""},
        {firstRecentFileCommand + recentFileCount, ""}, {destroyCommand - 1, ""}, {destroyCommand + 1, ""},
    };
    testeditor::TestEditor e(64);
    RecordingCommandShell shell;
    e.core.shell.commands = &shell;
    for (const auto& [id, calls] : cases) {
        shell.calls.clear();
        EXPECT_TRUE(runCommand(e.core, id)) << id;
        EXPECT_EQ(shell.calls, calls) << id;
    }
    EXPECT_FALSE(runCommand(e.core, changeFontCommand));
    EXPECT_EQ(shell.calls, "font ");
    for (const CommandRow& row : commandTable()) {
        EXPECT_NE(row.run, nullptr) << row.id;
    }

    // The bookmarks' commands are the core's own.
    e.placeCursor(30);
    runCommand(e.core, toggleBookmarkCommand);
    EXPECT_EQ(e.core.buffer.marks.offsets(), std::vector<std::int32_t>{30});
    e.placeCursor(50);
    runCommand(e.core, previousBookmarkCommand);
    EXPECT_EQ(e.core.cursorOffset, 30);
    e.placeCursor(10);
    runCommand(e.core, nextBookmarkCommand);
    EXPECT_EQ(e.core.cursorOffset, 30);
    runCommand(e.core, clearBookmarksCommand);
    EXPECT_TRUE(e.core.buffer.marks.empty());
    EXPECT_EQ(shell.calls, "font ");
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
