// nibblor.exe [file] as its own process: the frame on a named file ended by
// its Exit command, and a start without a file whose Open dialog is cancelled.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/native/TempDir.h"
#include "tests/win32/DialogDriver.h"

namespace {

using dialog_driver::Scope;

constexpr DWORD exitTimeout = 60000;

// The editor built beside this test: <build>/host/nibblor.exe, two folders up.
std::string standAloneProgram()
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path = self;
    for (int up = 0; up < 3; ++up) {
        path = path.substr(0, path.find_last_of("\\/"));
    }
    return path + "\\host\\nibblor.exe";
}

// A started editor, ended by force if a test leaves it running.
class EditorProcess {
public:
    EditorProcess(const std::string& arguments, const std::string& folder)
    {
        const std::string program = standAloneProgram();
        std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                  folder.c_str(), &startup, &process_) != FALSE;
        if (started_) {
            CloseHandle(process_.hThread);
        }
    }
    EditorProcess(const EditorProcess&) = delete;
    EditorProcess& operator=(const EditorProcess&) = delete;
    ~EditorProcess()
    {
        if (started_) {
            if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) {
                TerminateProcess(process_.hProcess, 99);
                WaitForSingleObject(process_.hProcess, exitTimeout);
            }
            CloseHandle(process_.hProcess);
        }
    }

    bool started() const { return started_; }
    Scope scope() const { return Scope::process(process_.dwProcessId); }

    // The exit status, or STILL_ACTIVE when it did not end in time.
    DWORD waitForExit() const
    {
        DWORD status = STILL_ACTIVE;
        if (WaitForSingleObject(process_.hProcess, exitTimeout) == WAIT_OBJECT_0) {
            GetExitCodeProcess(process_.hProcess, &status);
        }
        return status;
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

class StandAlone : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(GetFileAttributesA(standAloneProgram().c_str()), INVALID_FILE_ATTRIBUTES)
            << "nibblor.exe not found at " << standAloneProgram();
    }
    TempDir dir;
};

TEST_F(StandAlone, OpensTheNamedFileAndEndsOnExit)
{
    const std::string file = dir.write("document.bin", patternBytes(500));
    EditorProcess editor("\"" + file + "\"", dir.file(""));
    ASSERT_TRUE(editor.started());
    HWND frame = dialog_driver::waitForWindow(editor.scope(), "Nibblor", nullptr);
    ASSERT_NE(frame, nullptr) << "no editor window appeared";
    EXPECT_EQ(dialog_driver::textOf(frame), "Nibblor - " + file);
    EXPECT_EQ(GetParent(frame), nullptr);
    EXPECT_TRUE(dialog_driver::topLevelWindows(editor.scope(), "#32770", nullptr, true).empty())
        << "no dialog when the file could be read";

    PostMessageA(frame, WM_COMMAND, 3, 0);
    EXPECT_EQ(editor.waitForExit(), 0u);
    EXPECT_EQ(TempDir::read(file), patternBytes(500));
}

TEST_F(StandAlone, CancelledOpenWithoutAFileEndsWithStatusOne)
{
    EditorProcess editor("", dir.file(""));
    ASSERT_TRUE(editor.started());
    HWND dialog = dialog_driver::waitForWindow(editor.scope(), "#32770", "Open");
    ASSERT_NE(dialog, nullptr) << "no Open dialog appeared";
    const HWND owner = GetWindow(dialog, GW_OWNER);
    EXPECT_EQ(dialog_driver::classOf(owner), "Nibblor");
    EXPECT_FALSE(IsWindowVisible(owner));

    dialog_driver::clickButton(dialog, IDCANCEL);
    EXPECT_EQ(editor.waitForExit(), 1u);
}

} // namespace
