// Undo, redo, Save and the question before unsaved changes are lost, end to
// end: keys to the panes, the file on the disk, the title and the windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "resources/ResourceIds.h"
#include "tests/win32/DialogDriver.h"
#include "tests/win32/EditorProcess.h"
#include "tests/win32/HostedEditorFixture.h"

namespace {

using dialog_driver::DialogWatcher;
using Bytes = std::vector<std::uint8_t>;

class UndoAndSave : public HostedEditor {
protected:
    // Ctrl+S over test.exe: the file then holds `expected`, the title loses its mark.
    void saveAndExpect(const Bytes& expected)
    {
        EXPECT_EQ(windowTitle(editorCore.frameWindow), "Nibblor - test.exe *");
        pressWithControl(hexPane.window, 'S');
        EXPECT_EQ(TempDir::read(dir.file("test.exe")), expected);
        EXPECT_EQ(windowTitle(editorCore.frameWindow), "Nibblor - test.exe");
    }
};

TEST_F(UndoAndSave, EditsAreUndoneAndRedoneByKeysAndSavedAsTheyStand)
{
    hostCommand(createChildWithTitle);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const HWND hex = hexPane.window;
    const HWND ascii = asciiPane.window;
    std::vector<Bytes> states{original};
    const auto expectChange = [&](const Bytes& expected) {
        EXPECT_EQ(documentBytes(), expected);
        states.push_back(expected);
    };
    Bytes next = original;

    type(hex, "c3\t");
    next[0] = 0xC3;
    expectChange(next);
    type(ascii, "H");
    next[1] = 'H';
    expectChange(next);
    ASSERT_TRUE(setClipboardText(editorCore.frameWindow, "xyz"));
    type(ascii, "\x16");
    next[2] = 'x', next[3] = 'y', next[4] = 'z';
    expectChange(next);
    selectCells(hexPane.window, 1, 0, 1, 3);
    type(hex, "\x18");
    next.erase(next.begin() + 16, next.begin() + 20);
    expectChange(next);
    selectCells(hexPane.window, 2, 0, 2, 1);
    press(hex, VK_DELETE);
    next.erase(next.begin() + 32, next.begin() + 34);
    expectChange(next);
    DialogWatcher inserter([](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Insert Characters");
        return dialog != nullptr && SetDlgItemTextA(dialog, insertCountField, "5") &&
               dialog_driver::clickButton(dialog, insertOkButton) &&
               w.waitUntilClosed(dialog);
    });
    press(hex, VK_INSERT);
    ASSERT_TRUE(inserter.finish()) << inserter.log();
    next.insert(next.begin() + 31, 5, 0);
    expectChange(next);

    // Open asks first; Cancel keeps the document and its name.
    std::string question;
    HICON icon = nullptr;
    DialogWatcher asker([&](DialogWatcher& w) { return w.answerMessageBox("Nibblor", IDCANCEL, question, icon); });
    frameCommand(openCommand);
    ASSERT_TRUE(asker.finish()) << asker.log();
    EXPECT_EQ(question, "Save changes to test.exe?");
    EXPECT_EQ(documentBytes(), next);

    const std::int32_t changedAt[] = {0, 1, 2, 16, 32, 31};
    for (std::size_t k = states.size() - 1; k > 0; --k) {
        SCOPED_TRACE("undo to state " + std::to_string(k - 1));
        pressWithControl(ascii, 'Z');
        EXPECT_EQ(editorCore.cursorOffset, changedAt[k - 1]);
        saveAndExpect(states[k - 1]);
    }
    for (std::size_t k = 1; k < states.size(); ++k) {
        SCOPED_TRACE("redo to state " + std::to_string(k));
        pressWithControl(hex, 'Y');
        saveAndExpect(states[k]);
    }
}

// The hex pane of another process's frame, once it is there.
HWND waitForHexPane(HWND frame)
{
    for (DWORD waited = 0; waited < dialog_driver::appearTimeout; waited += dialog_driver::pollInterval) {
        const HWND pane = FindWindowExA(frame, nullptr, "__hex", nullptr);
        if (pane != nullptr && IsWindowVisible(pane)) {
            return pane;
        }
        Sleep(dialog_driver::pollInterval);
    }
    return nullptr;
}

// nibblor.exe on a file with one byte typed, then closed by its close box or
// ended by Exit, the question answered each way.
TEST(CloseQuestion, YesSavesNoDiscardsCancelKeepsTheWindow)
{
    using editor_process::EditorProcess;
    TempDir dir;
    const Bytes original = patternBytes(300);
    Bytes edited = original;
    edited[0] = 0xFF;
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
    } closes[] = {{"close box", WM_CLOSE, 0}, {"Exit", WM_COMMAND, exitCommand}};
    for (const auto& close : closes) {
        for (const int answer : {IDYES, IDNO, IDCANCEL}) {
            SCOPED_TRACE(std::string(close.name) + ", answer " + std::to_string(answer));
            const std::string file = dir.write("document.bin", original);
            EditorProcess editor("\"" + file + "\"", dir.file(""));
            const HWND frame = dialog_driver::waitForWindow(editor.scope(), "Nibblor", nullptr);
            ASSERT_NE(frame, nullptr);
            const HWND hex = waitForHexPane(frame);
            ASSERT_NE(hex, nullptr);
            for (const char digit : {'f', 'f'}) {
                SendMessageTimeoutA(hex, WM_CHAR, static_cast<WPARAM>(digit), 0, SMTO_ABORTIFHUNG,
                                    dialog_driver::answerTimeout, nullptr);
            }
            EXPECT_EQ(dialog_driver::textOf(frame), "Nibblor - " + file + " *");

            PostMessageA(frame, close.message, close.wParam, 0);
            const HWND box = dialog_driver::waitForWindow(editor.scope(), "#32770", "Nibblor");
            ASSERT_NE(box, nullptr) << "no question";
            EXPECT_EQ(dialog_driver::staticText(box), "Save changes to " + file + "?");
            dialog_driver::clickButton(box, answer);
            if (answer == IDCANCEL) {
                EXPECT_TRUE(dialog_driver::waitUntilGone(box));
                EXPECT_TRUE(IsWindowVisible(frame)) << "the editor stays, ended by the test";
                EXPECT_EQ(dialog_driver::textOf(frame), "Nibblor - " + file + " *");
            } else {
                EXPECT_EQ(editor.waitForExit(), 0u);
            }
            EXPECT_EQ(TempDir::read(file), answer == IDYES ? edited : original);
        }
    }
}

} // namespace
