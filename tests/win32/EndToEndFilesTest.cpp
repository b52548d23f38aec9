// Files as people have them, end to end: a name in any script, read-only
// files, changes by another program, recent files and a dropped file.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "tests/win32/DialogDriver.h"
#include "tests/win32/EditorProcess.h"
#include "tests/win32/HostedEditorFixture.h"

namespace {

using dialog_driver::DialogWatcher;
using Bytes = std::vector<std::uint8_t>;

const std::wstring unicodeName = L"\u043e\u0442\u0447\u0451\u0442 \u65e5\u672c.bin"; // Cyrillic, CJK, a blank

std::wstring wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end()); // the test folders' names are plain
}

std::wstring titleOf(HWND window)
{
    wchar_t title[2048] = {};
    GetWindowTextW(window, title, 2048);
    return title;
}

void writeWide(const std::wstring& path, const Bytes& bytes)
{
    std::ofstream(std::filesystem::path(path), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class Files : public HostedEditor {
protected:
    // Answers the next message box with this caption, keeping its text.
    static DialogWatcher answerBox(const char* caption, int button, std::string& text)
    {
        return DialogWatcher([caption, button, &text](DialogWatcher& w) {
            HICON icon = nullptr;
            return w.answerMessageBox(caption, button, text, icon);
        });
    }
    // The Open dialog given a name in any script.
    static DialogWatcher chooseInOpen(const std::wstring& name)
    {
        return DialogWatcher([name](DialogWatcher& w) {
            HWND dialog = w.waitForDialog("Open");
            HWND field = dialog != nullptr ? dialog_driver::fileNameField(dialog) : nullptr;
            if (field == nullptr || SetWindowTextW(field, name.c_str()) == FALSE) {
                return false;
            }
            dialog_driver::clickButton(dialog, IDOK);
            return w.waitUntilClosed(dialog);
        });
    }
};

TEST_F(Files, AUnicodeNameOpensFromTheCommandLineAndTheDialogAndSaves)
{
    const std::wstring path = wide(dir.file("")) + unicodeName;
    writeWide(path, {0x10, 0x20, 0x30});
    {
        editor_process::EditorProcess editor(L"\"" + path + L"\"", wide(dir.file("")));
        ASSERT_TRUE(editor.started());
        HWND frame = dialog_driver::waitForWindow(editor.scope(), "Nibblor", nullptr);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(titleOf(frame), L"Nibblor - " + path);
        HWND ascii = nullptr; // the panes come after the frame
        for (int wait = 0; wait < 200 && ascii == nullptr; ++wait, Sleep(25)) {
            ascii = FindWindowExA(frame, nullptr, "__ascii", nullptr);
        }
        ASSERT_NE(ascii, nullptr);
        PostMessageA(ascii, WM_CHAR, 'A', 0);
        PostMessageA(frame, WM_COMMAND, saveCommand, 0);
        PostMessageA(frame, WM_COMMAND, exitCommand, 0);
        EXPECT_EQ(editor.waitForExit(), 0u);
    }
    EXPECT_EQ(TempDir::read(path), (Bytes{'A', 0x20, 0x30}));

    hostCommand(createTopLevel);
    DialogWatcher watcher = chooseInOpen(path);
    frameCommand(openCommand);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_EQ(titleOf(editorCore.frameWindow), L"Nibblor - " + path);
    EXPECT_EQ(documentBytes(), (Bytes{'A', 0x20, 0x30}));
    type(asciiPane.window, "B");
    frameCommand(saveCommand);
    EXPECT_EQ(TempDir::read(path), (Bytes{'B', 0x20, 0x30}));
}

TEST_F(Files, AReadOnlyFileRefusesSaveAndOpenReadOnlyRefusesTyping)
{
    const std::string file = dir.file("test.exe");
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    hostCommand(createTopLevel);
    EXPECT_EQ(windowTitle(editorCore.frameWindow), "Nibblor - test.exe [read-only]");
    type(hexPane.window, "7");
    std::string text;
    DialogWatcher refusal = answerBox("Error", IDOK, text);
    frameCommand(saveCommand);
    ASSERT_TRUE(refusal.finish()) << refusal.log();
    EXPECT_EQ(text, "test.exe is read-only. Use Save As to save a copy.");
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(TempDir::read(file), original);

    DialogWatcher discard = answerBox("Nibblor", IDNO, text); // the typed digit is let go
    DialogWatcher open = chooseInOpen(wide(file));
    frameCommand(openReadOnlyCommand);
    ASSERT_TRUE(discard.finish() && open.finish()) << discard.log() << open.log();
    type(hexPane.window, "7");
    EXPECT_EQ(documentBytes(), original);
    EXPECT_EQ(windowTitle(editorCore.frameWindow), "Nibblor - " + file + " [read-only]");
}

// Marks belong to the document: opening a file, even the same one again, leaves none for F2.
TEST_F(Files, BookmarksGoWithTheDocumentAtOpen)
{
    hostCommand(createTopLevel);
    clickCell(hexPane.window, 2, 3);
    pressWithControl(hexPane.window, VK_F2);
    DialogWatcher open = chooseInOpen(wide(dir.file("test.exe")));
    frameCommand(openCommand);
    ASSERT_TRUE(open.finish()) << open.log();
    press(hexPane.window, VK_F2);
    EXPECT_EQ(editorCore.cursorOffset, 0) << "no mark of the document before to go to";
}

TEST_F(Files, AChangeByAnotherProgramIsPutToTheUserOnActivation)
{
    hostCommand(createTopLevel);
    for (const bool reload : {false, true}) {
        SCOPED_TRACE(reload ? "Yes" : "No");
        const Bytes theirs(reload ? 40 : 20, 0x5A);
        dir.write("test.exe", theirs);
        std::string text;
        DialogWatcher question = answerBox("Nibblor", reload ? IDYES : IDNO, text);
        SendMessageA(editorCore.frameWindow, WM_ACTIVATE, WA_ACTIVE, 0);
        ASSERT_TRUE(question.finish()) << question.log();
        EXPECT_EQ(text, "test.exe has been changed by another program. Reload it?");
        EXPECT_EQ(documentBytes(), reload ? theirs : original);
    }
}

TEST_F(Files, ARecentFileReopensAndADroppedFileOpens)
{
    const std::string file = dir.file("test.exe");
    const std::string other = dir.write("other.bin", {1, 2, 3});
    hostCommand(createTopLevel);
    const std::wstring name = wide(other);
    const std::size_t size = sizeof(DROPFILES) + (name.size() + 2) * sizeof(wchar_t);
    HGLOBAL drop = GlobalAlloc(GHND, size);
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    name.copy(reinterpret_cast<wchar_t*>(files + 1), name.size());
    GlobalUnlock(drop);
    SendMessageA(editorCore.frameWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(editorCore.buffer.name.absolute, other);
    EXPECT_EQ(documentBytes(), (Bytes{1, 2, 3}));

    wchar_t item[1024] = {};
    GetMenuStringW(editorCore.fileMenu, firstRecentFileCommand + 1, item, 1024, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(item), L"&2 " + wide(file));
    frameCommand(firstRecentFileCommand + 1);
    EXPECT_EQ(editorCore.buffer.name.absolute, file);
    EXPECT_EQ(documentBytes(), original);
}

} // namespace
