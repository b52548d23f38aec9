// Cut, Copy, Paste, Insert chars and Find from the keys and menus, through
// the real clipboard and the real dialogs, checked on the clipboard and in the
// saved file.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "resources/ResourceIds.h"
#include "tests/win32/DialogDriver.h"
#include "tests/win32/HostedEditorFixture.h"

namespace {

using dialog_driver::DialogWatcher;

std::string hexText(const std::vector<std::uint8_t>& bytes, std::size_t first, std::size_t count, bool octal)
{
    std::string text;
    for (std::size_t i = first; i < first + count; ++i) {
        char cell[8];
        std::snprintf(cell, sizeof cell, octal ? "%03o " : "%02x ", bytes[i]);
        text += cell;
    }
    return text;
}

int occurrences(const std::vector<std::uint8_t>& bytes, const std::vector<std::uint8_t>& pattern)
{
    int count = 0;
    for (auto at = bytes.begin(); (at = std::search(at, bytes.end(), pattern.begin(), pattern.end())) != bytes.end();
         ++at) {
        ++count;
    }
    return count;
}

// Keeps the clipboard open from a thread of its own, so that the editor's
// OpenClipboard fails, until it is let go.
class ClipboardHolder {
public:
    ClipboardHolder()
        : thread_([this] {
              std::unique_lock<std::mutex> lock(mutex_);
              held_ = OpenClipboard(nullptr) != FALSE;
              ready_ = true;
              changed_.notify_all();
              changed_.wait(lock, [this] { return released_; });
              if (held_) {
                  CloseClipboard();
              }
          })
    {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return ready_; });
    }
    ~ClipboardHolder()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            released_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    bool held() const { return held_; }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool ready_ = false;
    bool released_ = false;
    bool held_ = false;
    std::thread thread_;
};

using ClipboardAndFind = HostedEditor;

TEST_F(ClipboardAndFind, CopyFromEachPaneInBothViewsThenPasteAndCut)
{
    hostCommand(createChildWithTitle);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    EditorCore& e = editorCore;
    const HWND hex = hexPane.window;
    const HWND ascii = asciiPane.window;
    std::vector<std::uint8_t> expected = original;

    selectCells(hex, 1, 2, 1, 5); // offsets 18 to 21
    type(hex, "\x03");
    EXPECT_EQ(clipboardText(hex), hexText(original, 18, 4, false));
    EXPECT_FALSE(e.hasSelection()) << "a copy leaves no selection";

    frameCommand(11);
    selectCells(hex, 2, 7, 2, 3); // the far end first: offsets 35 to 39
    frameCommand(7);              // Edit, Copy
    EXPECT_EQ(clipboardText(hex), hexText(original, 35, 5, true));
    frameCommand(10);

    selectCells(ascii, 3, 1, 3, 4); // offsets 49 to 52, as characters
    type(ascii, "\x03");
    EXPECT_EQ(clipboardText(ascii), std::string(original.begin() + 49, original.begin() + 53));

    // Paste in both panes and both views, from offset 64 on.
    SendMessageA(hex, WM_LBUTTONDOWN, MK_LBUTTON, hexPoint(4, 0));
    ASSERT_TRUE(setClipboardText(hex, "de ad\r\nbe ef"));
    type(hex, "\x16");
    expected[64] = 0xDE, expected[65] = 0xAD, expected[66] = 0xBE, expected[67] = 0xEF;
    EXPECT_EQ(e.cursorOffset, 68);
    frameCommand(11);
    ASSERT_TRUE(setClipboardText(hex, "101 102"));
    frameCommand(8); // Edit, Paste
    expected[68] = 'A', expected[69] = 'B';
    frameCommand(10);
    type(hex, "\t");
    ASSERT_TRUE(setClipboardText(ascii, "hello"));
    type(ascii, "\x16");
    std::copy_n("hello", 5, expected.begin() + 70);
    EXPECT_EQ(e.cursorOffset, 75);
    EXPECT_EQ(documentBytes(), expected);

    // Text the hex pane cannot read changes nothing, in either view.
    type(ascii, "\t");
    ASSERT_TRUE(setClipboardText(hex, "zz"));
    EXPECT_EQ(messageFrom("Invalid data", [&] { type(hex, "\x16"); }), "Invalid Hex string.  Paste in ASCII window");
    frameCommand(11);
    ASSERT_TRUE(setClipboardText(hex, "8 "));
    EXPECT_EQ(messageFrom("Invalid data", [&] { type(hex, "\x16"); }),
              "Invalid Octal string.  Paste in ASCII window.");
    frameCommand(10);
    EXPECT_EQ(documentBytes(), expected);
    EXPECT_EQ(e.cursorOffset, 75);

    // Cut: onto the clipboard and out of the document.
    selectCells(hex, 6, 0, 6, 15); // offsets 96 to 111
    type(hex, "\x18");
    EXPECT_EQ(clipboardText(hex), hexText(expected, 96, 16, false));
    expected.erase(expected.begin() + 96, expected.begin() + 112);
    EXPECT_EQ(documentBytes(), expected);
    EXPECT_FALSE(e.hasSelection());

    const std::string target = dir.file("pasted and cut.bin");
    ASSERT_TRUE(saveDocumentAs(target));
    EXPECT_EQ(TempDir::read(target), expected);
}

TEST_F(ClipboardAndFind, CutWhoseCopyFailsKeepsTheBytes)
{
    hostCommand(createChildBare);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const HWND hex = hexPane.window;
    selectCells(hex, 1, 0, 1, 7);
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.held());
        EXPECT_EQ(messageFrom("Error", [&] { type(hex, "\x18"); }),
                  "The selection could not be copied to the clipboard, so it was not cut.");
    }
    EXPECT_EQ(documentBytes(), original) << "the bytes must not be lost";
    EXPECT_TRUE(editorCore.hasSelection());
    type(hex, "\x18"); // with the clipboard free again it works
    EXPECT_EQ(editorCore.buffer.size, static_cast<std::int32_t>(original.size()) - 8);
    EXPECT_EQ(clipboardText(hex), hexText(original, 16, 8, false));
}

TEST_F(ClipboardAndFind, InsertCharsTakesOnlyCountsTheDocumentCanHold)
{
    hostCommand(createChildWithTitle);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const HWND hex = hexPane.window;
    SendMessageA(hex, WM_LBUTTONDOWN, MK_LBUTTON, hexPoint(0, 5));

    // Types the count and presses "&Ok"; Enter and Escape first, which must do nothing.
    const auto insert = [&](const std::string& typed, const char* refusal = nullptr) {
        std::string message;
        HICON icon = nullptr;
        DialogWatcher watcher([&](DialogWatcher& w) {
            HWND dialog = w.waitForDialog("Insert Characters");
            if (dialog == nullptr) {
                return false;
            }
            // A character posted after Enter and Escape shows when they were taken.
            const HWND field = GetDlgItem(dialog, 700);
            SetWindowTextA(field, "");
            dialog_driver::postCommand(dialog, IDOK);
            dialog_driver::postCommand(dialog, IDCANCEL);
            PostMessageA(field, WM_CHAR, '7', 0);
            for (DWORD waited = 0; IsWindow(dialog) && dialog_driver::textOf(field) != "7";
                 waited += dialog_driver::pollInterval) {
                if (waited > dialog_driver::answerTimeout) {
                    break;
                }
                Sleep(dialog_driver::pollInterval);
            }
            if (!IsWindow(dialog) || dialog_driver::textOf(field) != "7") {
                w.note("Enter or Escape closed the dialog");
                return false;
            }
            SetDlgItemTextA(dialog, 700, typed.c_str());
            dialog_driver::clickButton(dialog, 701);
            if (!w.waitUntilClosed(dialog)) {
                return false;
            }
            return refusal == nullptr || w.answerMessageBox("Error", IDOK, message, icon);
        });
        press(hex, VK_INSERT);
        EXPECT_TRUE(watcher.finish()) << typed << ": " << watcher.log();
        if (refusal != nullptr) {
            EXPECT_EQ(message, refusal);
        }
    };

    std::vector<std::uint8_t> expected = original;
    insert("3");
    insert(std::string(300, '0') + "2"); // read whole, not cut at 254 characters
    expected.insert(expected.begin() + 5, 5, 0);
    EXPECT_EQ(documentBytes(), expected);
    insert("0", "The number of characters \"0\" is not a whole number above zero.");
    insert("x", "The number of characters \"x\" is not a whole number above zero.");
    insert("99999999999", "The number of characters \"99999999999\" is too large.");
    // Within the 32-bit size, but more than a 32-bit process can hold (the
    // 64-bit test build, where 32-bit programs cannot run, holds it).
    if (sizeof(void*) == 4) {
        insert("2000000000", "Not enough memory to insert 2000000000 characters.");
    }
    EXPECT_EQ(documentBytes(), expected);

    // The editor goes on working, the keyboard back in the pane.
    EXPECT_EQ(GetFocus(), hex);
    type(hex, "7f");
    expected[5] = 0x7F;
    EXPECT_EQ(documentBytes(), expected);
    const std::string target = dir.file("inserted.bin");
    ASSERT_TRUE(saveDocumentAs(target));
    EXPECT_EQ(TempDir::read(target), expected);
}

TEST_F(ClipboardAndFind, FindInEachFormScrollsToTheMatch)
{
    // Three patterns, each once, on far rows of the 100-row test.exe.
    std::vector<std::uint8_t> bytes = original;
    const std::vector<std::uint8_t> characters{'N', 'i', 'b', '!'};
    const std::vector<std::uint8_t> hexBytes{0xDE, 0xAD, 0xBE, 0xEF};
    const std::vector<std::uint8_t> octalBytes{0xCA, 0xFE, 0xBA, 0xBE};
    std::copy(characters.begin(), characters.end(), bytes.begin() + 50 * 16 + 3);
    std::copy(hexBytes.begin(), hexBytes.end(), bytes.begin() + 70 * 16 + 9);
    std::copy(octalBytes.begin(), octalBytes.end(), bytes.begin() + 20 * 16 + 1);
    for (const auto* pattern : {&characters, &hexBytes, &octalBytes}) {
        ASSERT_EQ(occurrences(bytes, *pattern), 1) << "each pattern must occur once only";
    }
    dir.write("test.exe", bytes);
    hostCommand(createTopLevel);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    EditorCore& e = editorCore;

    // Works the Find dialog: clicks `form` (a radio button), then sets the
    // text, then checks the box's text after `convertTo`, then "&Ok".
    struct Step {
        int form;
        const char* text;
        int convertTo;
        const char* converted;
    };
    // It opens in the form of the last search, characters before the first.
    int lastForm = 313;
    const auto find = [&](const Step& step, const char* box = nullptr) {
        std::string message;
        HICON icon = nullptr;
        DialogWatcher watcher([&](DialogWatcher& w) {
            HWND dialog = w.waitForDialog("Find");
            if (dialog == nullptr) {
                return false;
            }
            HWND field = GetDlgItem(dialog, 300);
            if (IsDlgButtonChecked(dialog, lastForm) != BST_CHECKED) {
                w.note("the dialog must open in the last search's form");
                return false;
            }
            dialog_driver::clickButton(dialog, step.form);
            for (int i = 0; i < 50 && IsDlgButtonChecked(dialog, step.form) != BST_CHECKED; ++i) {
                Sleep(50); // the click converts the text first; ours comes after it
            }
            SetWindowTextA(field, step.text);
            if (step.convertTo != 0) {
                dialog_driver::clickButton(dialog, step.convertTo);
                for (int i = 0; i < 50 && dialog_driver::textOf(field) != step.converted; ++i) {
                    Sleep(50);
                }
                if (dialog_driver::textOf(field) != step.converted) {
                    w.note("the text reads \"" + dialog_driver::textOf(field) + "\"");
                    return false;
                }
            }
            dialog_driver::clickButton(dialog, 320);
            if (box != nullptr) {
                if (!w.answerMessageBox(box, IDOK, message, icon)) {
                    return false;
                }
                dialog_driver::clickButton(dialog, 321); // a refused text keeps the dialog open
            }
            return w.waitUntilClosed(dialog);
        });
        frameCommand(4);
        EXPECT_TRUE(watcher.finish()) << watcher.log();
        if (box == nullptr || std::string(box) != "Invalid data") {
            lastForm = step.convertTo != 0 ? step.convertTo : step.form; // it searched in that form
        }
        return message;
    };

    find({313, "Nib!", 0, nullptr});
    EXPECT_EQ(e.cursorOffset, 50 * 16 + 3);
    EXPECT_EQ(e.firstVisibleRow, 50);
    EXPECT_EQ(e.cursorScreenRow, 0);
    EXPECT_EQ(GetScrollPos(e.frameWindow, SB_VERT), 50);
    EXPECT_EQ(GetFocus(), hexPane.window);

    // Typed as characters, searched as hexadecimal.
    find({313, "\xde\xad\xbe\xef", 311, "de ad be ef "});
    EXPECT_EQ(e.cursorOffset, 70 * 16 + 9);
    EXPECT_EQ(e.firstVisibleRow, 70);

    // In octal, found only after the wrap to the start.
    find({312, "312 376 272 276", 0, nullptr});
    EXPECT_EQ(e.cursorOffset, 20 * 16 + 1);
    EXPECT_EQ(e.firstVisibleRow, 20);

    // Hexadecimal text with no bytes in it is refused, and nothing moves.
    EXPECT_EQ(find({311, "zz", 0, nullptr}, "Invalid data"), "The search text is not a valid hex string.");
    EXPECT_EQ(e.cursorOffset, 20 * 16 + 1);
    // The one occurrence was the last match: there is no other.
    EXPECT_EQ(find({312, "312 376 272 276", 0, nullptr}, "String Not Found"),
              "Additional occurrences of string not found.");
    EXPECT_EQ(e.cursorOffset, 20 * 16 + 1);
}

// A 40,000-character text whose first 30,000 characters lie earlier too:
// pasted into either dialog's field, it is searched whole and finds itself.
// Text the code page cannot hold, and a paste past a field's limit, are told.
TEST_F(ClipboardAndFind, PastedTextsAreSearchedWholeOrTheTroubleIsTold)
{
    constexpr std::size_t length = 40000, decoyLength = 30000, decoyAt = 1000, matchAt = 50000;
    std::string text(length, 'Q');
    for (std::size_t at = 96; at < length; at += 97) {
        text[at] = 'R';
    }
    std::vector<std::uint8_t> bytes(matchAt + length + 100, 'x');
    std::copy_n(text.begin(), decoyLength, bytes.begin() + decoyAt);
    std::copy(text.begin(), text.end(), bytes.begin() + matchAt);
    std::copy_n("??", 2, bytes.end() - 50); // what the foreign text would have read as
    dir.write("test.exe", bytes);
    hostCommand(createTopLevel);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    ASSERT_TRUE(setClipboardText(hexPane.window, text.c_str()));
    const wchar_t foreign[] = L"\u65e5\u672c"; // Japanese: no form in the test's code page, 1252

    // Works the Find dialog's field with `steps`.
    const auto find = [&](const std::function<bool(DialogWatcher&, HWND, HWND)>& steps) {
        DialogWatcher watcher([&](DialogWatcher& w) {
            HWND dialog = w.waitForDialog("Find");
            return dialog != nullptr && steps(w, dialog, GetDlgItem(dialog, findTextField));
        });
        frameCommand(4);
        EXPECT_TRUE(watcher.finish()) << watcher.log();
    };
    find([](DialogWatcher& w, HWND dialog, HWND field) {
        PostMessageW(field, WM_PASTE, 0, 0);
        dialog_driver::clickButton(dialog, findOkButton);
        return w.waitUntilClosed(dialog);
    });
    EXPECT_EQ(editorCore.cursorOffset, static_cast<std::int32_t>(matchAt));

    std::string refusal, cut;
    HICON icon = nullptr;
    find([&](DialogWatcher& w, HWND dialog, HWND field) {
        DWORD first = 1, last = 0; // the last text comes back selected, for typing to replace
        SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
        if (first != 0 || last != length) {
            w.note("the last text is not selected");
            return false;
        }
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(foreign));
        dialog_driver::clickButton(dialog, findOkButton);
        if (!w.answerMessageBox("Invalid data", IDOK, refusal, icon)) {
            return false;
        }
        SendMessageW(field, EM_SETLIMITTEXT, length - 1, 0); // a field full at its limit
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        PostMessageW(field, WM_PASTE, 0, 0);
        if (!w.answerMessageBox("Invalid data", IDOK, cut, icon)) {
            return false;
        }
        dialog_driver::clickButton(dialog, findCancelButton);
        return w.waitUntilClosed(dialog);
    });
    EXPECT_EQ(refusal, "The text has characters that have no form in the ANSI code page. Find and Replace (Ctrl+H) "
                       "can search for it as \"Text (UTF-16)\".");
    const std::string cutText = "The text was cut at 16,777,216 characters, the most a search field holds.";
    EXPECT_EQ(cut, cutText);
    EXPECT_EQ(editorCore.cursorOffset, static_cast<std::int32_t>(matchAt)) << "nothing searched";

    pressWithControl(hexPane.window, 'H');
    const HWND replace = FindWindowW(nullptr, L"Find and Replace");
    ASSERT_NE(replace, nullptr);
    const HWND status = GetDlgItem(replace, replaceStatusLine);
    CheckRadioButton(replace, replaceHexButton, replaceUtf16Button, replaceTextButton);
    SendDlgItemMessageW(replace, replaceFindField, WM_PASTE, 0, 0);
    SendMessageW(replace, WM_COMMAND, MAKEWPARAM(replaceFindAllButton, BN_CLICKED), 0);
    EXPECT_EQ(dialog_driver::textOf(status), "1 match.");
    SendDlgItemMessageW(replace, replaceWithField, EM_SETLIMITTEXT, length - 1, 0);
    SendDlgItemMessageW(replace, replaceWithField, WM_PASTE, 0, 0);
    EXPECT_EQ(dialog_driver::textOf(status), cutText);
}

} // namespace
