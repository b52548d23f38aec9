// The Open and Save common dialogs driven as a user would: a watcher thread
// finds the dialog, types a file name and presses a button.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "document/FileBuffer.h"
#include "tests/native/TempDir.h"

namespace {

constexpr DWORD appearTimeout = 60000; // Wine's first file dialog is slow to come up
constexpr DWORD pollInterval = 50;

std::string classOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string textOf(HWND window)
{
    char text[2048] = {};
    // Sent, not read directly: the window belongs to another thread.
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// Drives the dialogs of the test's own thread from a second thread. Test
// assertions stay on the test thread; the watcher only records what it saw.
class DialogWatcher {
public:
    using Script = std::function<bool(DialogWatcher&)>;

    explicit DialogWatcher(Script script) : uiThread_(GetCurrentThreadId())
    {
        worker_ = std::thread([this, script] {
            completed_ = script(*this);
            closeLeftovers();
        });
    }
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;
    ~DialogWatcher() { finish(); }

    // Waits for the watcher; true when its script ran to the end.
    bool finish()
    {
        if (worker_.joinable()) {
            worker_.join();
        }
        return completed_;
    }
    const std::string& log() const { return log_; }

    // A visible dialog of the test thread with this title and owner.
    HWND waitForDialog(const char* title, HWND owner)
    {
        for (DWORD waited = 0; waited < appearTimeout; waited += pollInterval) {
            HWND found = findDialog(title, owner);
            if (found != nullptr) {
                return found;
            }
            Sleep(pollInterval);
        }
        log_ += std::string("no dialog \"") + title + "\" appeared; ";
        return nullptr;
    }

    // Puts the name into the dialog's file-name field, checking that it took.
    bool typeFileName(HWND dialog, const std::string& name)
    {
        HWND field = fileNameField(dialog);
        if (field == nullptr) {
            log_ += "no file-name field among: " + childList(dialog);
            return false;
        }
        for (int attempt = 0; attempt < 20; ++attempt) {
            SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
            Sleep(100); // the dialog may still be filling its fields
            if (textOf(field) == name) {
                return true;
            }
        }
        log_ += "file name did not stay in the field; ";
        return false;
    }

    static void press(HWND dialog, int button)
    {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }

    bool waitUntilClosed(HWND window)
    {
        for (DWORD waited = 0; waited < appearTimeout; waited += pollInterval) {
            if (!IsWindow(window)) {
                return true;
            }
            Sleep(pollInterval);
        }
        log_ += "a dialog stayed open; ";
        return false;
    }

    void note(const std::string& text) { log_ += text; }

private:
    struct Search {
        const char* title;
        HWND owner;
        HWND found;
    };

    static BOOL CALLBACK matchDialog(HWND window, LPARAM parameter)
    {
        auto* search = reinterpret_cast<Search*>(parameter);
        if (classOf(window) == "#32770" && IsWindowVisible(window) &&
            GetWindow(window, GW_OWNER) == search->owner && textOf(window) == search->title) {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }

    HWND findDialog(const char* title, HWND owner) const
    {
        Search search{title, owner, nullptr};
        EnumThreadWindows(uiThread_, matchDialog, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    // The explorer-style template has the name in a combo box (cmb13); the
    // older one in an edit control (edt1).
    static HWND fileNameField(HWND dialog)
    {
        for (const int id : {0x47C, 0x480}) {
            HWND control = GetDlgItem(dialog, id);
            if (control != nullptr && IsWindowVisible(control)) {
                return control;
            }
        }
        return nullptr;
    }

    static BOOL CALLBACK listChild(HWND window, LPARAM parameter)
    {
        auto* list = reinterpret_cast<std::string*>(parameter);
        *list += classOf(window) + "#" + std::to_string(GetDlgCtrlID(window)) + " ";
        return TRUE;
    }

    static std::string childList(HWND dialog)
    {
        std::string list;
        EnumChildWindows(dialog, listChild, reinterpret_cast<LPARAM>(&list));
        return list;
    }

    static BOOL CALLBACK collectDialog(HWND window, LPARAM parameter)
    {
        if (classOf(window) == "#32770") {
            reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
        }
        return TRUE;
    }

    // When the script failed half-way, answer No and Cancel until the test
    // thread is free again, so that a fault fails the test instead of hanging it.
    void closeLeftovers()
    {
        for (DWORD waited = 0; waited < appearTimeout; waited += pollInterval) {
            std::vector<HWND> dialogs;
            EnumThreadWindows(uiThread_, collectDialog, reinterpret_cast<LPARAM>(&dialogs));
            if (dialogs.empty()) {
                return;
            }
            if (completed_ && waited < 10000) {
                Sleep(pollInterval); // the last press may still be on its way
                continue;
            }
            for (HWND dialog : dialogs) {
                press(dialog, IDNO);
                press(dialog, IDCANCEL);
            }
            completed_ = false;
            Sleep(500);
        }
    }

    DWORD uiThread_;
    std::thread worker_;
    std::atomic<bool> completed_{false};
    std::string log_;
};

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner = CreateWindowExA(0, "STATIC", "Dialog owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(owner);
        // The dialogs move the current directory to the chosen file's folder;
        // going back lets the temporary folder go and keeps the next test's
        // folder where it belongs.
        std::filesystem::current_path(startDirectory);
    }

    // A document of `count` bytes, as after a load.
    void loadDocument(const std::vector<std::uint8_t>& bytes)
    {
        ASSERT_EQ(buffer.load(dir.write("document.bin", bytes).c_str()), FileBuffer::loaded);
    }

    const std::filesystem::path startDirectory = std::filesystem::current_path();
    TempDir dir;
    FileBuffer buffer;
    HWND owner = nullptr;
};

bool fileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST_F(FileDialogs, CancelledOpenEmptiesThePathAndKeepsTheDocument)
{
    const auto bytes = patternBytes(40);
    loadDocument(bytes);
    ASSERT_TRUE(buffer.setPath(dir.file("document.bin").c_str()));
    DialogWatcher watcher([this](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Open", owner);
        if (dialog == nullptr) {
            return false;
        }
        DialogWatcher::press(dialog, IDCANCEL);
        return w.waitUntilClosed(dialog);
    });
    EXPECT_EQ(buffer.openWithDialog(owner), -1);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_STREQ(buffer.path, "");
    ASSERT_EQ(buffer.size, 40);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.data.get(), buffer.data.get() + 40), bytes);
}

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
        DialogWatcher::press(dialog, IDOK);
        return w.waitUntilClosed(dialog);
    });
    EXPECT_EQ(buffer.openWithDialog(owner), 1);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_STREQ(buffer.path, chosen.c_str());
    ASSERT_EQ(buffer.size, 300);
    EXPECT_EQ(buffer.rowCount, 19);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.data.get(), buffer.data.get() + 300), bytes);
}

// A chosen file that cannot be held is reported, leaves no document, and its
// name is not kept for a later Save As to overwrite.
TEST_F(FileDialogs, OpenOfAFileThatCannotBeHeldIsReportedAndForgotten)
{
    loadDocument(patternBytes(40));
    const std::string huge = dir.file("huge.bin");
    { std::ofstream create(huge, std::ios::binary); }
    std::filesystem::resize_file(huge, static_cast<std::uintmax_t>(INT32_MAX) + 1); // sparse
    std::string message;
    DialogWatcher watcher([this, &huge, &message](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Open", owner);
        if (dialog == nullptr || !w.typeFileName(dialog, huge)) {
            return false;
        }
        DialogWatcher::press(dialog, IDOK);
        HWND box = w.waitForDialog("Error", nullptr);
        if (box == nullptr) {
            return false;
        }
        message = textOf(GetDlgItem(box, 0xFFFF)); // the message box's text
        DialogWatcher::press(box, IDOK);
        return w.waitUntilClosed(box);
    });
    EXPECT_EQ(buffer.openWithDialog(owner), 1);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_EQ(message, "File \"" + huge + "\" is too large to open.");
    EXPECT_STREQ(buffer.path, "");
    EXPECT_EQ(buffer.size, 0);
    EXPECT_FALSE(buffer.data.held());
}

TEST_F(FileDialogs, CancelledSaveKeepsThePathAndWritesNothing)
{
    loadDocument(patternBytes(100));
    const std::string named = dir.file("named.bin");
    ASSERT_TRUE(buffer.setPath(named.c_str()));
    DialogWatcher watcher([this](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Save", owner);
        if (dialog == nullptr) {
            return false;
        }
        // The dialog offers the current name first.
        HWND field = GetDlgItem(dialog, 0x47C) != nullptr ? GetDlgItem(dialog, 0x47C) : GetDlgItem(dialog, 0x480);
        const std::string offered = field != nullptr ? textOf(field) : "";
        if (offered.find("named.bin") == std::string::npos) {
            w.note("offered name was '" + offered + "'; ");
        }
        DialogWatcher::press(dialog, IDCANCEL);
        return w.waitUntilClosed(dialog) && offered.find("named.bin") != std::string::npos;
    });
    EXPECT_EQ(buffer.saveWithDialog(owner), 1);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_STREQ(buffer.path, named.c_str());
    EXPECT_FALSE(fileExists(named));
}

TEST_F(FileDialogs, SaveUnderANewNameWritesExactlyTheDocument)
{
    const auto bytes = patternBytes(100);
    loadDocument(bytes);
    ASSERT_TRUE(buffer.setPath(dir.file("document.bin").c_str()));
    const std::string target = dir.file("saved copy.bin");
    DialogWatcher watcher([this, &target](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Save", owner);
        if (dialog == nullptr || !w.typeFileName(dialog, target)) {
            return false;
        }
        DialogWatcher::press(dialog, IDOK);
        return w.waitUntilClosed(dialog);
    });
    EXPECT_EQ(buffer.saveWithDialog(owner), 1);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_STREQ(buffer.path, target.c_str());
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
        ASSERT_TRUE(buffer.setPath(dir.file("document.bin").c_str()));
        DialogWatcher watcher([this, &target, replace](DialogWatcher& w) {
            HWND dialog = w.waitForDialog("Save", owner);
            if (dialog == nullptr || !w.typeFileName(dialog, target)) {
                return false;
            }
            DialogWatcher::press(dialog, IDOK);
            // The question is a message box owned by the dialog.
            HWND prompt = w.waitForDialog("Save", dialog);
            if (prompt == nullptr) {
                return false;
            }
            DialogWatcher::press(prompt, replace ? IDYES : IDNO);
            if (!w.waitUntilClosed(prompt)) {
                return false;
            }
            if (!replace) {
                if (!IsWindow(dialog)) {
                    w.note("No closed the dialog; ");
                    return false;
                }
                DialogWatcher::press(dialog, IDCANCEL);
            }
            return w.waitUntilClosed(dialog);
        });
        EXPECT_EQ(buffer.saveWithDialog(owner), 1);
        ASSERT_TRUE(watcher.finish()) << watcher.log();
        if (replace) {
            EXPECT_STREQ(buffer.path, target.c_str());
            EXPECT_EQ(TempDir::read(target), bytes);
        } else {
            EXPECT_STREQ(buffer.path, dir.file("document.bin").c_str());
            EXPECT_EQ(TempDir::read(target), patternBytes(5000));
        }
    }
}

} // namespace
