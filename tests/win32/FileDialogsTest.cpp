// Opening and saving through the real Open and Save dialogs and message
// boxes, driven as a user would: a watcher thread finds the dialog, types a
// file name and presses a button.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "commands/win32/FileCommands.h"
#include "editor/EditorCore.h"
#include "editor/win32/MessageBoxes.h"
#include "tests/native/TempDir.h"
#include "tests/win32/DialogDriver.h"
#include "tests/win32/RegistrySnapshot.h"

namespace {

using dialog_driver::DialogWatcher;
using dialog_driver::postCommand;

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner = CreateWindowExA(0, "STATIC", "Dialog owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
        // The dialogs and boxes belong to the editor's window.
        editorCore.frameWindow = owner;
        core.shell.files = &win32FileShell();
        core.shell.prompts = &win32Prompts();
    }
    void TearDown() override
    {
        editorCore.frameWindow = nullptr;
        DestroyWindow(owner);
        // The dialogs move the current directory to the chosen file's folder;
        // going back lets the temporary folder go and keeps the next test's
        // folder where it belongs.
        std::filesystem::current_path(startDirectory);
    }

    // A document of `count` bytes, opened as from the command line.
    void loadDocument(const std::vector<std::uint8_t>& bytes)
    {
        ASSERT_TRUE(core.files.openPath(dir.write("document.bin", bytes), false));
    }

    std::vector<std::uint8_t> documentBytes() const
    {
        return std::vector<std::uint8_t>(buffer.data.get(), buffer.data.get() + buffer.size);
    }

    RegistrySnapshot settings{"Software\\Nibblor"}; // the recent files go there
    const std::filesystem::path startDirectory = std::filesystem::current_path();
    TempDir dir;
    EditorCore core;
    FileBuffer& buffer = core.buffer;
    HWND owner = nullptr;
};

TEST_F(FileDialogs, OpenLoadsTheChosenFileWithItsExactBytes)
{
    std::vector<std::uint8_t> bytes = patternBytes(300);
    bytes[0] = 0x00;
    bytes[1] = 0x1A; // an end-of-file mark in text mode
    bytes[2] = '\r';
    bytes[3] = '\n';
    const std::string chosen = dir.write("chosen.bin", bytes);
    DialogWatcher watcher([this, &chosen](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Open", owner);
        if (dialog == nullptr || !w.typeFileName(dialog, chosen)) {
            return false;
        }
        postCommand(dialog, IDOK);
        return w.waitUntilClosed(dialog);
    });
    EXPECT_EQ(core.files.openFromDialog(false), OpenOutcome::opened);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_EQ(buffer.name.absolute, chosen);
    EXPECT_EQ(buffer.rowCount, 19);
    EXPECT_EQ(documentBytes(), bytes);
}

TEST_F(FileDialogs, SaveUnderANewNameWritesExactlyTheDocument)
{
    const auto bytes = patternBytes(100);
    loadDocument(bytes);
    const std::string target = dir.file("saved copy.bin");
    DialogWatcher watcher([this, &target](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Save", owner);
        if (dialog == nullptr || !w.typeFileName(dialog, target)) {
            return false;
        }
        postCommand(dialog, IDOK);
        return w.waitUntilClosed(dialog);
    });
    EXPECT_TRUE(core.files.saveAs());
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_EQ(buffer.name.absolute, target);
    EXPECT_EQ(TempDir::read(target), bytes); // the spare room never reaches the file
}

// Saving over an existing file asks first; Yes replaces it, No returns to the
// dialog without touching it.
TEST_F(FileDialogs, SaveOverAnExistingFileAsksBeforeReplacingIt)
{
    const auto bytes = patternBytes(100);
    loadDocument(bytes);
    const std::string target = dir.write("existing.bin", patternBytes(5000));
    for (const bool replace : {false, true}) {
        SCOPED_TRACE(replace ? "Yes" : "No");
        buffer.name = DocumentName::given(dir.file("document.bin"));
        DialogWatcher watcher([this, &target, replace](DialogWatcher& w) {
            HWND dialog = w.waitForDialog("Save", owner);
            if (dialog == nullptr || !w.typeFileName(dialog, target)) {
                return false;
            }
            postCommand(dialog, IDOK);
            // The question is a message box owned by the dialog.
            HWND prompt = w.waitForDialog("Save", dialog);
            if (prompt == nullptr) {
                return false;
            }
            postCommand(prompt, replace ? IDYES : IDNO);
            if (!w.waitUntilClosed(prompt)) {
                return false;
            }
            if (!replace) {
                if (!IsWindow(dialog)) {
                    w.note("No closed the dialog");
                    return false;
                }
                postCommand(dialog, IDCANCEL);
            }
            return w.waitUntilClosed(dialog);
        });
        EXPECT_EQ(core.files.saveAs(), replace);
        ASSERT_TRUE(watcher.finish()) << watcher.log();
        if (replace) {
            EXPECT_EQ(buffer.name.absolute, target);
            EXPECT_EQ(TempDir::read(target), bytes);
        } else {
            EXPECT_EQ(buffer.name.absolute, dir.file("document.bin"));
            EXPECT_EQ(TempDir::read(target), patternBytes(5000));
        }
    }
}

} // namespace
