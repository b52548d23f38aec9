// Insert Mode, Nibblor's own clipboard bytes, Copy As, an overwriting Paste
// that runs past the end, Fill and its progress, and bookmarks, on the real
// editor and clipboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "commands/CommandIds.h"
#include "commands/CopyAs.h"
#include "document/win32/ProgressWindow.h"
#include "resources/ResourceIds.h"
#include "tests/win32/DialogDriver.h"
#include "tests/win32/HostedEditorFixture.h"
#include "view/Placing.h"

namespace {

using dialog_driver::DialogWatcher;

using InsertMode = HostedEditor;

TEST_F(InsertMode, TypingAndPasteInsertAndUndoTakesThemOut)
{
    hostCommand(createTopLevel);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const HWND hex = hexPane.window;
    frameCommand(insertModeCommand);
    EXPECT_NE(GetMenuState(editorCore.editMenu, insertModeCommand, MF_BYCOMMAND) & MF_CHECKED, 0u);

    SendMessageA(hex, WM_LBUTTONDOWN, MK_LBUTTON, hexPoint(1, 0));
    type(hex, "4");
    std::vector<std::uint8_t> expected = original;
    expected.insert(expected.begin() + 16, 0x40);
    EXPECT_EQ(documentBytes(), expected) << "the first digit inserts a byte";
    type(hex, "d");
    expected[16] = 0x4D;
    const std::string saved = dir.file("inserted.bin");
    ASSERT_TRUE(saveDocumentAs(saved));
    EXPECT_EQ(TempDir::read(saved), expected) << "saved one byte longer";
    ASSERT_TRUE(setClipboardText(hex, "de ad"));
    type(hex, "\x16");
    expected.insert(expected.begin() + 17, {0xDE, 0xAD});
    EXPECT_EQ(documentBytes(), expected);
    EXPECT_EQ(editorCore.cursorOffset, 19);

    frameCommand(undoCommand);
    frameCommand(undoCommand);
    EXPECT_EQ(documentBytes(), original);
}

TEST_F(InsertMode, InsertCharsAtTheEndOfAShortFilePaintsEveryNewRow)
{
    dir.write("test.exe", std::vector<std::uint8_t>(original.begin(), original.begin() + 16));
    hostCommand(createChildWithTitle);
    const HWND hex = hexPane.window;
    press(hex, VK_END);
    DialogWatcher watcher([&](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Insert Characters");
        if (dialog == nullptr) {
            return false;
        }
        SetDlgItemTextA(dialog, 700, "40");
        dialog_driver::clickButton(dialog, 701);
        return w.waitUntilClosed(dialog);
    });
    press(hex, VK_INSERT);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    pumpMessages();
    // 56 bytes: the zeros' digits on rows 1 to 3, nothing below.
    RECT client{};
    GetClientRect(hex, &client);
    const auto rowPixels = [&](int row) {
        return countPixels(hex, 0, row * editorCore.lineHeight, client.right, editorCore.lineHeight,
                           editorCore.textColor);
    };
    for (int row = 1; row <= 3; ++row) {
        EXPECT_GT(rowPixels(row), 0) << row;
    }
    EXPECT_EQ(rowPixels(4), 0);
}

TEST_F(InsertMode, CutBytesWithAZeroPasteBackExactly)
{
    original[34] = 0;
    dir.write("test.exe", original);
    hostCommand(createChildWithTitle);
    const HWND ascii = asciiPane.window;
    selectCells(ascii, 2, 1, 2, 4); // offsets 33 to 36
    type(ascii, "\x18");
    EXPECT_EQ(clipboardText(ascii), std::string(1, static_cast<char>(original[33])))
        << "other programs get the text up to the zero";
    frameCommand(insertModeCommand);
    clickCell(ascii, 2, 1);
    type(ascii, "\x16");
    EXPECT_EQ(documentBytes(), original) << "Nibblor pastes every byte it cut";
}

TEST_F(InsertMode, CopyAsAndAPastePastTheEnd)
{
    hostCommand(createChildWithTitle);
    const HWND hex = hexPane.window;
    const std::pair<Command, CopyAsForm> forms[] = {{copyAsCArrayCommand, CopyAsForm::cArray},
                                                    {copyAsPythonCommand, CopyAsForm::pythonBytes},
                                                    {copyAsBase64Command, CopyAsForm::base64},
                                                    {copyAsHexDumpCommand, CopyAsForm::hexDump}};
    for (const auto& [command, form] : forms) {
        selectCells(hex, 1, 14, 2, 1); // offsets 30 to 33, across a row's end
        frameCommand(command);
        EXPECT_EQ(clipboardText(hex), copyAsText(form, original.data() + 30, 4, 30)) << command;
    }

    ASSERT_TRUE(setClipboardText(hex, "01 02 03"));
    goToOffset(editorCore, static_cast<std::int64_t>(original.size()) - 1);
    EXPECT_EQ(messageFrom("Paste", [&] { type(hex, "\x16"); }),
              "2 bytes did not fit before the end of the document and were left out. "
              "Turn on Edit, Insert Mode to paste them all.");
    EXPECT_EQ(documentBytes().back(), 0x01);
    EXPECT_EQ(documentBytes().size(), original.size());
}

TEST_F(InsertMode, FillSelectionRepeatsTheTypedPattern)
{
    hostCommand(createChildWithTitle);
    selectCells(hexPane.window, 0, 3, 0, 7); // offsets 3 to 7
    DialogWatcher watcher([&](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Fill Selection");
        if (dialog == nullptr) {
            return false;
        }
        SetDlgItemTextA(dialog, 950, "ab cd");
        dialog_driver::clickButton(dialog, IDOK);
        return w.waitUntilClosed(dialog);
    });
    frameCommand(fillCommand);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    std::vector<std::uint8_t> expected = original;
    std::copy_n(std::vector<std::uint8_t>{0xAB, 0xCD, 0xAB, 0xCD, 0xAB}.begin(), 5, expected.begin() + 3);
    EXPECT_EQ(documentBytes(), expected);
}

// What the progress window showed as it came up, when Cancel was clicked on it.
std::string progressText;
bool editorDisabledWhileShown = false;

LRESULT CALLBACK cancelProgressAtOnce(int code, WPARAM wParam, LPARAM lParam)
{
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && GetDlgItem(window, NIBBLOR_PROGRESS_BAR) != nullptr) {
        progressText = dialog_driver::textOf(GetDlgItem(window, NIBBLOR_PROGRESS_TEXT));
        editorDisabledWhileShown = IsWindowEnabled(hostWindow()) == FALSE;
        dialog_driver::clickButton(window, IDCANCEL);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Fill with its progress shown at once; Cancel, clicked as it comes up,
// leaves the document and its history as they were.
TEST_F(InsertMode, FillShowsItsProgressAndItsCancelChangesNothing)
{
    hostCommand(createChildWithTitle);
    selectCells(hexPane.window, 0, 3, 5, 7);
    const HHOOK hook = SetWindowsHookExA(WH_CBT, cancelProgressAtOnce, nullptr, GetCurrentThreadId());
    const DWORD delay = ProgressWindow::showDelay;
    ProgressWindow::showDelay = 0;
    DialogWatcher watcher([&](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Fill Selection");
        if (dialog == nullptr) {
            return false;
        }
        SetDlgItemTextA(dialog, NIBBLOR_FILL_PATTERN, "ab cd");
        dialog_driver::clickButton(dialog, IDOK);
        return w.waitUntilClosed(dialog);
    });
    frameCommand(fillCommand);
    const bool watched = watcher.finish();
    ProgressWindow::showDelay = delay;
    UnhookWindowsHookEx(hook);
    ASSERT_TRUE(watched) << watcher.log();
    EXPECT_EQ(progressText, "Filling the selection...");
    EXPECT_TRUE(editorDisabledWhileShown);
    EXPECT_NE(IsWindowEnabled(hostWindow()), FALSE) << "enabled again once the work is over";
    EXPECT_EQ(documentBytes(), original);
    EXPECT_FALSE(editorCore.history.modified());
}

TEST_F(InsertMode, BookmarksAreFramedAndSteppedThroughWithF2)
{
    hostCommand(createChildWithTitle);
    const HWND hex = hexPane.window;
    for (const int row : {3, 0}) {
        clickCell(hex, row, 2);
        pressWithControl(hex, VK_F2);
    }
    clickCell(hex, 1, 0);
    pumpMessages();

    // The top edge of a cell's box: whole in the cursor colour only where the byte is marked.
    const int width = 2 * editorCore.charWidth;
    const auto topEdge = [&](int row, int column) {
        return countPixels(hex, (3 * column + 1) * editorCore.charWidth, row * editorCore.lineHeight, width, 1,
                           editorCore.activeCursorColor);
    };
    EXPECT_EQ(topEdge(0, 2), width);
    EXPECT_EQ(topEdge(3, 2), width);
    EXPECT_LT(topEdge(2, 5), width);

    press(hex, VK_F2);
    EXPECT_EQ(editorCore.cursorOffset, 50);
    holdKey(VK_SHIFT, true);
    press(hex, VK_F2);
    holdKey(VK_SHIFT, false);
    EXPECT_EQ(editorCore.cursorOffset, 2);
}

} // namespace
