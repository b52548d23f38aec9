// Find and Replace from Ctrl+H on a file with "Nib!" at three places: Find
// Next with a wildcard, Replace All and its undo, In selection with nothing
// selected, Find All and a jump from its list until the document changes,
// and F3 and Shift+F3 repeating the dialog's search.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "commands/CommandIds.h"
#include "resources/ResourceIds.h"
#include "tests/win32/HostedEditorFixture.h"
#include "view/Editing.h"

namespace {

constexpr int matchRows[] = {10, 40, 80};
constexpr std::int32_t matchColumn = 6;

class FindAndReplace : public HostedEditor {
protected:
    void SetUp() override
    {
        HostedEditor::SetUp();
        for (const int row : matchRows) {
            std::copy_n("Nib!", 4, original.begin() + row * 16 + matchColumn);
        }
        dir.write("test.exe", original);
        hostCommand(createTopLevel);
        ASSERT_TRUE(IsWindow(editorCore.frameWindow));
        holdKey(VK_CONTROL, true);
        press(hexPane.window, 'H');
        holdKey(VK_CONTROL, false);
        dialog = FindWindowW(nullptr, L"Find and Replace");
        ASSERT_NE(dialog, nullptr);
    }

    void click(int button) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }
    std::string status() const
    {
        char text[256] = {};
        GetDlgItemTextA(dialog, replaceStatusLine, text, sizeof text);
        return text;
    }
    static std::int32_t matchAt(int index) { return matchRows[index] * 16 + matchColumn; }

    HWND dialog = nullptr;
};

TEST_F(FindAndReplace, FindNextSelectsEachMatchInTurn)
{
    SetDlgItemTextW(dialog, replaceFindField, L"4e 69 ?? 21");
    click(replaceFindNextButton);
    EXPECT_EQ(selectedBytes(editorCore).first, matchAt(0));
    EXPECT_EQ(selectedBytes(editorCore).count, 4);
    click(replaceFindNextButton);
    EXPECT_EQ(editorCore.cursorOffset, matchAt(1)) << "moved on, not the same match";

    SetDlgItemTextW(dialog, replaceFindField, L"4g");
    click(replaceFindNextButton);
    EXPECT_EQ(status(), "\"4g\" is not a hex byte.");
    EXPECT_EQ(editorCore.cursorOffset, matchAt(1));
}

TEST_F(FindAndReplace, ReplaceAllCountsAndUndoesAsOneChange)
{
    CheckRadioButton(dialog, replaceHexButton, replaceUtf16Button, replaceTextButton);
    SetDlgItemTextW(dialog, replaceFindField, L"nib!");
    SetDlgItemTextW(dialog, replaceWithField, L"Nibblor");
    CheckDlgButton(dialog, replaceInSelectionBox, BST_CHECKED);
    click(replaceInSelectionBox);
    click(replaceAllButton);
    EXPECT_EQ(status(), "Nothing is selected.");
    EXPECT_EQ(documentBytes(), original);
    CheckDlgButton(dialog, replaceInSelectionBox, BST_UNCHECKED);
    click(replaceAllButton);
    EXPECT_EQ(status(), "Replaced 3 occurrences.");
    const std::vector<std::uint8_t> replaced = documentBytes();
    ASSERT_EQ(replaced.size(), original.size() + 9);
    const auto second = replaced.begin() + matchAt(1) + 3; // after the first, 3 bytes longer
    EXPECT_EQ(std::string(second, second + 7), "Nibblor");
    frameCommand(undoCommand);
    EXPECT_EQ(documentBytes(), original);
}

TEST_F(FindAndReplace, FindAllListsTheMatchesAndJumpsToOne)
{
    SetDlgItemTextW(dialog, replaceFindField, L"4E69");
    click(replaceFindAllButton);
    EXPECT_EQ(status(), "3 matches.");
    const HWND list = GetDlgItem(dialog, replaceMatchList);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
    NMITEMACTIVATE activate{};
    activate.hdr = {list, static_cast<UINT_PTR>(replaceMatchList), NM_DBLCLK};
    activate.iItem = 2;
    SendMessageW(dialog, WM_NOTIFY, replaceMatchList, reinterpret_cast<LPARAM>(&activate));
    EXPECT_EQ(editorCore.cursorOffset, matchAt(2));
    EXPECT_EQ(selectedBytes(editorCore).count, 2);

    click(replaceAllButton); // deletes them: the list is out of date
    SendMessageW(dialog, WM_NOTIFY, replaceMatchList, reinterpret_cast<LPARAM>(&activate));
    EXPECT_EQ(status(), "The document has changed since the list was made: Find All again.");
    EXPECT_FALSE(editorCore.hasSelection());
}

TEST_F(FindAndReplace, F3AndShiftF3RepeatTheDialogsSearch)
{
    SetDlgItemTextW(dialog, replaceFindField, L"4E 69 62");
    click(replaceFindNextButton);
    click(IDCANCEL);
    EXPECT_FALSE(IsWindow(dialog));
    press(hexPane.window, VK_F3);
    EXPECT_EQ(editorCore.cursorOffset, matchAt(1));
    holdKey(VK_SHIFT, true);
    press(hexPane.window, VK_F3);
    press(hexPane.window, VK_F3); // wraps from the first to the last
    holdKey(VK_SHIFT, false);
    EXPECT_EQ(editorCore.cursorOffset, matchAt(2));
}

} // namespace
