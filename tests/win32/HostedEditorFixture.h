#pragma once
// The test host's window in this process, its menu creating the editor on a
// "test.exe" of the test's own, and the editor's windows worked through their
// messages. The editor object is put back as it was when each test ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/EditorCore.h"
#include "host/win32/HostWindow.h"
#include "panes/win32/PaneObjects.h"
#include "tests/native/TempDir.h"
#include "tests/win32/DialogDriver.h"
#include "tests/win32/EditorTestSupport.h"
#include "tests/win32/RegistrySnapshot.h"

// One host window for the whole run: Wine waits seconds for the display each
// time an activated top-level window goes.
inline HWND hostWindow()
{
    static HWND window = createHostWindow(GetModuleHandleA(nullptr));
    return window;
}

inline std::string windowTitle(HWND window)
{
    char title[2048] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

inline SIZE windowSize(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// The window's place in its parent's client area, or on the screen.
inline RECT placeOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0) {
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

class HostedEditor : public ::testing::Test, protected PaneInput {
protected:
    static constexpr std::size_t documentSize = 100 * 16 - 1; // 100 rows, the last one short

    void SetUp() override
    {
        ASSERT_NE(hostWindow(), nullptr);
        ASSERT_EQ(editorCore.frameWindow, nullptr) << "an editor window was left open";
        state_.take();
        recentFiles_.clear(); // the File menu as a first run has it
        for (RegistrySnapshot& panel : infoPanels_) {
            panel.clear(); // the tool windows and the status bar hidden
        }
        GetKeyboardState(savedKeys_);
        EditorCore& e = editorCore;
        e.octalMode = 0;
        e.activePane = 0;
        e.cursorOffset = 0;
        e.cursorRow = 0;
        e.cursorScreenRow = 0;
        e.cursorColumn = 0;
        e.digitIndex = 0;
        e.selectionEndRow = -1;
        e.selectionEndColumn = -1;

        // The host always opens "test.exe" in the current folder.
        original = patternBytes(documentSize);
        dir.write("test.exe", original);
        GetCurrentDirectoryA(sizeof savedDirectory_, savedDirectory_);
        ASSERT_TRUE(SetCurrentDirectoryA(dir.file("").c_str()));
    }

    void TearDown() override
    {
        if (editorCore.frameWindow != nullptr) {
            SendMessageA(editorCore.frameWindow, WM_COMMAND, 2000, 0);
        }
        pumpMessages();
        SetKeyboardState(savedKeys_);
        // The file dialogs move the current folder; the test's folder is removed next.
        SetCurrentDirectoryA(savedDirectory_);
        state_.restore();
    }

    static void hostCommand(WPARAM item) { SendMessageA(hostWindow(), WM_COMMAND, item, 0); }

    // Save As through the real Save dialog, to `target`.
    static ::testing::AssertionResult saveDocumentAs(const std::string& target)
    {
        dialog_driver::DialogWatcher watcher([&target](dialog_driver::DialogWatcher& w) {
            HWND dialog = w.waitForDialog("Save");
            if (dialog == nullptr || !w.typeFileName(dialog, target)) {
                return false;
            }
            dialog_driver::clickButton(dialog, IDOK);
            return w.waitUntilClosed(dialog);
        });
        frameCommand(2);
        if (!watcher.finish()) {
            return ::testing::AssertionFailure() << watcher.log();
        }
        return ::testing::AssertionSuccess();
    }
    static void frameCommand(WPARAM id) { SendMessageA(editorCore.frameWindow, WM_COMMAND, id, 0); }

    // The text of the message box that `action` brings up, answered with OK; or what went wrong.
    template <typename Action>
    static std::string messageFrom(const char* caption, Action action)
    {
        std::string text;
        HICON icon = nullptr;
        dialog_driver::DialogWatcher watcher(
            [&](dialog_driver::DialogWatcher& w) { return w.answerMessageBox(caption, IDOK, text, icon); });
        action();
        return watcher.finish() ? text : "no \"" + std::string(caption) + "\" box: " + watcher.log();
    }

    static std::vector<std::uint8_t> documentBytes()
    {
        const FileBuffer& b = editorCore.buffer;
        if (b.size <= 0) {
            return {};
        }
        return std::vector<std::uint8_t>(b.data.get(), b.data.get() + b.size);
    }

    TempDir dir;
    std::vector<std::uint8_t> original;

private:
    EditorStateGuard state_;
    RegistrySnapshot recentFiles_{"Software\\Nibblor\\RecentFiles"};
    RegistrySnapshot infoPanels_[9] = {RegistrySnapshot("Software\\Nibblor\\DataInspector"),
                                       RegistrySnapshot("Software\\Nibblor\\InspectorPlace"),
                                       RegistrySnapshot("Software\\Nibblor\\BigEndian"),
                                       RegistrySnapshot("Software\\Nibblor\\StatusBar"),
                                       RegistrySnapshot("Software\\Nibblor\\InsertMode"),
                                       RegistrySnapshot("Software\\Nibblor\\StructureWindow"),
                                       RegistrySnapshot("Software\\Nibblor\\StructurePlace"),
                                       RegistrySnapshot("Software\\Nibblor\\StructureColourFields"),
                                       RegistrySnapshot("Software\\Nibblor\\StructureByExtension")};
    BYTE savedKeys_[256] = {};
    char savedDirectory_[MAX_PATH] = {};
};
