// The editor's dialogs and message boxes end to end, worked by a watcher
// thread as a user would: Open, Save As into a folder that does not exist,
// About, a failed load and a cancelled first Open, and the two Exit commands.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/DialogDriver.h"
#include "tests/win32/HostedEditorFixture.h"

namespace {

using dialog_driver::DialogWatcher;

// Types the path into the Open or Save dialog and presses its default button.
bool chooseFile(DialogWatcher& w, const char* title, const std::string& path)
{
    HWND dialog = w.waitForDialog(title);
    if (dialog == nullptr || !w.typeFileName(dialog, path)) {
        return false;
    }
    dialog_driver::clickButton(dialog, IDOK);
    return w.waitUntilClosed(dialog);
}

bool fileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool quitPosted()
{
    MSG message;
    return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

using EndToEndDialogs = HostedEditor;

TEST_F(EndToEndDialogs, OpenLoadsTheChosenFileAndRetitlesTheFrame)
{
    hostCommand(createChildBare);
    const HWND frame = editorCore.frameWindow;
    ASSERT_TRUE(IsWindow(frame));
    SendMessageA(hexPane.window, WM_LBUTTONDOWN, MK_LBUTTON, hexPoint(3, 5));
    SendMessageA(hexPane.window, WM_KEYDOWN, VK_NEXT, 0);
    ASSERT_EQ(editorCore.firstVisibleRow, 25);

    std::vector<std::uint8_t> other = patternBytes(40);
    other[0] = 0x00;
    other[1] = 0x1A; // an end-of-file mark in text mode
    other[2] = '\r';
    other[3] = '\n';
    const std::string chosen = dir.write("other file.bin", other);
    DialogWatcher watcher([&chosen](DialogWatcher& w) { return chooseFile(w, "Open", chosen); });
    frameCommand(1);
    ASSERT_TRUE(watcher.finish()) << watcher.log();

    EXPECT_EQ(editorCore.frameWindow, frame);
    EXPECT_EQ(documentBytes(), other);
    EXPECT_EQ(editorCore.buffer.rowCount, 3);
    EXPECT_EQ(editorCore.buffer.name.absolute, chosen);
    EXPECT_EQ(windowTitle(frame), "Nibblor - " + chosen);
    EXPECT_EQ(editorCore.firstVisibleRow, 0);
    EXPECT_EQ(editorCore.lastVisibleRow, 3);
    EXPECT_EQ(editorCore.cursorOffset, 0);
    EXPECT_EQ(editorCore.cursorScreenRow, 0);
    int low = -1;
    int high = -1;
    GetScrollRange(frame, SB_VERT, &low, &high);
    EXPECT_EQ(high, 3);
    EXPECT_EQ(GetFocus(), hexPane.window);
}

TEST_F(EndToEndDialogs, SaveIntoAFolderThatDoesNotExistIsReported)
{
    hostCommand(createChildWithTitle);
    const HWND frame = editorCore.frameWindow;
    ASSERT_TRUE(IsWindow(frame));
    type(hexPane.window, "ff");
    std::vector<std::uint8_t> expected = original;
    expected[0] = 0xFF;

    const std::string target = dir.file("no such folder\\out.bin");
    std::string text;
    HICON icon = nullptr;
    DialogWatcher watcher([&](DialogWatcher& w) {
        return chooseFile(w, "Save", target) && w.answerMessageBox("Error", IDOK, text, icon);
    });
    frameCommand(2);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    // The first sentence says what failed; the name and the system's reason follow.
    EXPECT_EQ(text.rfind("Could not open file for output.\n\n" + target + "\n\n", 0), 0u) << text;
    EXPECT_EQ(icon, LoadIconA(nullptr, IDI_ERROR));
    EXPECT_FALSE(fileExists(target));
    EXPECT_FALSE(fileExists(dir.file("no such folder")));
    EXPECT_EQ(documentBytes(), expected) << "the document stays in memory";
    EXPECT_EQ(windowTitle(frame), "Nibblor - test.exe *")
        << "its name and its changes stay";
    EXPECT_EQ(TempDir::read(dir.file("test.exe")), original);
}

TEST_F(EndToEndDialogs, AboutBoxClosesOnlyWithItsOwnButton)
{
    hostCommand(createChildBare);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const DWORD uiThread = GetCurrentThreadId();
    std::string text;
    DialogWatcher watcher([&text, uiThread](DialogWatcher& w) {
        HWND box = w.waitForDialog("About Nibblor");
        if (box == nullptr) {
            return false;
        }
        text = dialog_driver::staticText(box);
        // Escape as a key, then the commands Enter and Escape give a dialog.
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        if (!GetGUIThreadInfo(uiThread, &gui) || gui.hwndFocus == nullptr || !IsChild(box, gui.hwndFocus)) {
            w.note("the About box has no focused control");
            return false;
        }
        PostMessageA(gui.hwndFocus, WM_KEYDOWN, VK_ESCAPE, 0);
        dialog_driver::postCommand(box, IDOK);
        dialog_driver::postCommand(box, IDCANCEL);
        Sleep(1000);
        if (!IsWindow(box) || !IsWindowVisible(box)) {
            w.note("Enter or Escape closed the About box");
            return false;
        }
        if (!dialog_driver::clickButton(box, 400)) {
            w.note("no \"&Ok\" button");
            return false;
        }
        return w.waitUntilClosed(box);
    });
    frameCommand(5);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_NE(text.find("Nibblor v1.02"), std::string::npos) << text;
    EXPECT_NE(text.find("Syntax:  nibblor [file]"), std::string::npos) << text;
    EXPECT_EQ(GetFocus(), hexPane.window);
}

// A hosted editor with nothing to show asks for a file; cancelled, it leaves
// no window behind and create says so.
TEST_F(EndToEndDialogs, CancelledFirstOpenLeavesNoEditor)
{
    ASSERT_EQ(editorCore.buffer.size, 0);
    std::string ownerTitle = "?";
    bool ownerShown = true;
    DialogWatcher watcher([&](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Open");
        if (dialog == nullptr) {
            return false;
        }
        const HWND owner = GetWindow(dialog, GW_OWNER);
        ownerTitle = dialog_driver::classOf(owner) + ": " + dialog_driver::textOf(owner);
        ownerShown = IsWindowVisible(owner) != FALSE;
        dialog_driver::clickButton(dialog, IDCANCEL);
        return w.waitUntilClosed(dialog);
    });
    const int result = editorCore.create(hostWindow(), WS_OVERLAPPEDWINDOW, 40, 40, hostInstance, "");
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_EQ(result, 2);
    EXPECT_EQ(ownerTitle, "Nibblor: Nibblor - ");
    EXPECT_FALSE(ownerShown) << "the frame is shown only once it has a document";
    EXPECT_EQ(editorCore.frameWindow, nullptr);
    EXPECT_EQ(editorCore.buffer.size, -1);
    EXPECT_TRUE(dialog_driver::topLevelWindows(watcher.scope(), "Nibblor").empty());
}

// A file that cannot be read is reported, then the Open dialog offers another.
TEST_F(EndToEndDialogs, UnreadableFileIsReportedAndAnotherCanBeChosen)
{
    const std::vector<std::uint8_t> other = patternBytes(300);
    const std::string chosen = dir.write("chosen.bin", other);
    std::string text;
    HICON icon = nullptr;
    DialogWatcher watcher([&](DialogWatcher& w) {
        return w.answerMessageBox("Error", IDOK, text, icon) && chooseFile(w, "Open", chosen);
    });
    const int result = editorCore.create(hostWindow(), WS_CHILD, 20, 20, hostInstance, "missing.bin");
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_EQ(text.rfind("Attempt to open \"missing.bin\" for binary read failed.\n\n" + dir.file("missing.bin") + "\n\n", 0), 0u)
        << text;
    EXPECT_EQ(icon, LoadIconA(nullptr, IDI_ERROR));
    ASSERT_EQ(result, 1);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    EXPECT_TRUE(IsWindowVisible(editorCore.frameWindow));
    EXPECT_EQ(documentBytes(), other);
    EXPECT_EQ(windowTitle(editorCore.frameWindow), "Nibblor - " + chosen);
}

// Both Exit commands end the message loop and leave the windows to the process.
TEST_F(EndToEndDialogs, ExitCommandsEndTheMessageLoop)
{
    hostCommand(createChildBare);
    const HWND frame = editorCore.frameWindow;
    ASSERT_TRUE(IsWindow(frame));
    ASSERT_FALSE(quitPosted());

    frameCommand(3);
    EXPECT_TRUE(quitPosted()) << "the editor's Exit";
    EXPECT_TRUE(IsWindow(frame));

    hostCommand(exitHost);
    EXPECT_TRUE(quitPosted()) << "the host's Exit";
    EXPECT_TRUE(IsWindow(hostWindow()));
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_EQ(editorCore.frameWindow, frame);
}

} // namespace
