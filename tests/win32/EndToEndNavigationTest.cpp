// Getting around as a daily user does: the wheel, Shift with the keys and the
// mouse, Ctrl+F and F3, Ctrl+G, and an offset pane wide enough for its labels.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "tests/win32/DialogDriver.h"
#include "tests/win32/HostedEditorFixture.h"
#include "view/RowText.h"

namespace {

using dialog_driver::DialogWatcher;

void wheel(HWND pane, int delta)
{
    SendMessageA(pane, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))), 0);
}

using Navigation = HostedEditor;

TEST_F(Navigation, WheelNotchesAndAHalfNotchScrollTheView)
{
    hostCommand(createChildWithTitle);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    UINT lines = 0;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    ASSERT_GT(lines, 0u);
    ASSERT_LT(lines, 25u);
    const auto rows = static_cast<std::int32_t>(lines);

    wheel(hexPane.window, -WHEEL_DELTA);
    EXPECT_EQ(editorCore.firstVisibleRow, rows);
    wheel(asciiPane.window, -WHEEL_DELTA / 2);
    wheel(asciiPane.window, -WHEEL_DELTA / 2);
    EXPECT_EQ(editorCore.firstVisibleRow, 2 * rows);
    EXPECT_EQ(GetScrollPos(editorCore.frameWindow, SB_VERT), 2 * rows);
    wheel(hexPane.window, WHEEL_DELTA);
    EXPECT_EQ(editorCore.firstVisibleRow, rows);
    EXPECT_EQ(editorCore.cursorOffset, 0) << "the cursor stays on its byte";
}

TEST_F(Navigation, ShiftWithKeysAndTheMouseSelectsWhatCopyTakes)
{
    hostCommand(createChildBare);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const HWND hex = hexPane.window;
    SendMessageA(hex, WM_LBUTTONDOWN, MK_LBUTTON, hexPoint(1, 2)); // offset 18
    holdKey(VK_SHIFT, true);
    press(hex, VK_RIGHT);
    press(hex, VK_RIGHT);
    press(hex, VK_DOWN);
    holdKey(VK_SHIFT, false);
    EXPECT_EQ(editorCore.cursorOffset, 18) << "the cursor is the anchor";
    type(hex, "\x03");
    std::string expected;
    for (int i = 18; i <= 36; ++i) {
        char cell[4];
        std::snprintf(cell, sizeof cell, "%02x ", original[static_cast<std::size_t>(i)]);
        expected += cell;
    }
    EXPECT_EQ(clipboardText(hex), expected);

    // Shift+click in the ASCII pane: from the cursor to the clicked cell.
    type(hex, "\t");
    SendMessageA(asciiPane.window, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, asciiPoint(0, 14));
    EXPECT_EQ(editorCore.cursorOffset, 18);
    type(asciiPane.window, "\x03");
    EXPECT_EQ(clipboardText(hex), std::string(original.begin() + 14, original.begin() + 19));
    // Without Shift a move key ends the selection as before.
    holdKey(VK_SHIFT, true);
    press(hex, VK_LEFT);
    holdKey(VK_SHIFT, false);
    press(hex, VK_LEFT);
    EXPECT_FALSE(editorCore.hasSelection());
}

TEST_F(Navigation, CtrlFThenF3FindsTheNextOccurrences)
{
    std::vector<std::uint8_t> bytes = original;
    for (const int row : {10, 40, 80}) {
        std::copy_n("Nib!", 4, bytes.begin() + row * 16 + 6);
    }
    dir.write("test.exe", bytes);
    hostCommand(createChildWithTitle);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const HWND hex = hexPane.window;

    DialogWatcher watcher([](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Find");
        if (dialog == nullptr) {
            return false;
        }
        dialog_driver::clickButton(dialog, 311); // the text is in hexadecimal
        for (int i = 0; i < 50 && IsDlgButtonChecked(dialog, 311) != BST_CHECKED; ++i) {
            Sleep(50);
        }
        SetDlgItemTextA(dialog, 300, "4e 69 62 21");
        dialog_driver::clickButton(dialog, 320);
        return w.waitUntilClosed(dialog);
    });
    holdKey(VK_CONTROL, true);
    press(hex, 'F');
    holdKey(VK_CONTROL, false);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_EQ(editorCore.cursorOffset, 10 * 16 + 6);

    press(hex, VK_F3); // the same bytes, read as hexadecimal again
    EXPECT_EQ(editorCore.cursorOffset, 40 * 16 + 6);
    press(hex, VK_F3);
    EXPECT_EQ(editorCore.cursorOffset, 80 * 16 + 6);
    EXPECT_EQ(editorCore.firstVisibleRow, 75);
}

// A text longer in hex than the box once read is searched whole, and the
// dialog reopens in the form it was last searched in.
TEST_F(Navigation, FindSearchesTheWholeConvertedTextAndReopensInItsForm)
{
    const std::string text(60, 'q');
    std::vector<std::uint8_t> bytes = original;
    std::copy(text.begin(), text.end() - 3, bytes.begin() + 20 * 16); // its start, but not all of it
    std::copy(text.begin(), text.end(), bytes.begin() + 50 * 16);
    dir.write("test.exe", bytes);
    hostCommand(createChildWithTitle);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));

    bool reopenedInHex = false;
    const auto findWith = [&](const char* typed, bool toHex) {
        return DialogWatcher([&, typed, toHex](DialogWatcher& w) {
            HWND dialog = w.waitForDialog("Find");
            if (dialog == nullptr) {
                return false;
            }
            reopenedInHex = IsDlgButtonChecked(dialog, 311) == BST_CHECKED;
            const auto choose = [dialog](int form) {
                dialog_driver::clickButton(dialog, form);
                for (int i = 0; i < 50 && IsDlgButtonChecked(dialog, form) != BST_CHECKED; ++i) {
                    Sleep(50);
                }
            };
            if (typed != nullptr) {
                choose(313); // as characters, whatever form an earlier search left
                SetDlgItemTextA(dialog, 300, typed);
            }
            if (toHex) {
                choose(311); // converted: three characters a byte
            }
            dialog_driver::clickButton(dialog, typed != nullptr ? 320 : 321); // Ok, or Cancel
            return w.waitUntilClosed(dialog);
        });
    };
    DialogWatcher first = findWith(text.c_str(), true);
    frameCommand(findCommand);
    ASSERT_TRUE(first.finish()) << first.log();
    EXPECT_EQ(editorCore.cursorOffset, 50 * 16);

    DialogWatcher second = findWith(nullptr, false);
    frameCommand(findCommand);
    ASSERT_TRUE(second.finish()) << second.log();
    EXPECT_TRUE(reopenedInHex);
}

TEST_F(Navigation, CtrlGGoesToAFarOffsetAndTypingLandsThere)
{
    hostCommand(createChildWithTitle);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const HWND hex = hexPane.window;
    const auto goTo = [&](const char* text, const char* refusal) {
        std::string message;
        HICON icon = nullptr;
        DialogWatcher watcher([&](DialogWatcher& w) {
            HWND dialog = w.waitForDialog("Go to Offset");
            if (dialog == nullptr) {
                return false;
            }
            SetDlgItemTextA(dialog, 800, text);
            dialog_driver::postCommand(dialog, IDOK); // Enter
            if (refusal != nullptr) {
                if (!w.answerMessageBox("Invalid offset", IDOK, message, icon)) {
                    return false;
                }
                dialog_driver::postCommand(dialog, IDCANCEL); // Escape
            }
            return w.waitUntilClosed(dialog);
        });
        holdKey(VK_CONTROL, true);
        press(hex, 'G');
        holdKey(VK_CONTROL, false);
        EXPECT_TRUE(watcher.finish()) << text << ": " << watcher.log();
        if (refusal != nullptr) {
            EXPECT_EQ(message, refusal);
        }
    };

    goTo("0x123456", "Offset \"0x123456\" is past the end of the document, which ends at 63F.");
    EXPECT_EQ(editorCore.cursorOffset, 0);
    goTo("4a3", nullptr);
    EXPECT_EQ(editorCore.cursorOffset, 0x4A3);
    EXPECT_EQ(editorCore.firstVisibleRow, 0x4A);
    EXPECT_EQ(GetFocus(), hex);
    type(hex, "5a");
    std::vector<std::uint8_t> expected = original;
    expected[0x4A3] = 0x5A;
    EXPECT_EQ(documentBytes(), expected);
    goTo("#16", nullptr);
    EXPECT_EQ(editorCore.cursorOffset, 16);
    // A long text is read whole, not cut short into another offset.
    goTo(("0x" + std::string(80, '0') + "4a3").c_str(), nullptr);
    EXPECT_EQ(editorCore.cursorOffset, 0x4A3);
}

TEST_F(Navigation, OffsetPaneWidensForLabelsOfMoreThanFourDigits)
{
    dir.write("test.exe", patternBytes(70000)); // its last row is labelled 11170
    hostCommand(createChildWithTitle);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const int w = editorCore.charWidth;
    RECT offset{};
    RECT hexRect{};
    GetWindowRect(offsetPane.window, &offset);
    GetWindowRect(hexPane.window, &hexRect);
    EXPECT_EQ(offset.right - offset.left, 7 * w);
    EXPECT_EQ(hexRect.left - offset.left, 7 * w) << "the other panes move right";
    EXPECT_EQ(rowLabel(editorCore, 4375), "11170");
}

} // namespace
