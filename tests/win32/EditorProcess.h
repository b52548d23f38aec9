#pragma once
// nibblor.exe started as a process of its own, next to the test that drives it.
#include <windows.h>

#include <string>

#include "tests/win32/DialogDriver.h"

namespace editor_process {

using dialog_driver::Scope;

inline constexpr DWORD exitTimeout = 60000;

// The editor built beside this test: <build>/host/nibblor.exe, two folders up.
inline std::string standAloneProgram()
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
    // The tests' arguments and folders are plain text.
    EditorProcess(const std::string& arguments, const std::string& folder)
        : EditorProcess(std::wstring(arguments.begin(), arguments.end()), std::wstring(folder.begin(), folder.end()))
    {
    }
    // Arguments in any script, as a user's command line may have them.
    EditorProcess(const std::wstring& arguments, const std::wstring& folder)
    {
        const std::string narrow = standAloneProgram();
        const std::wstring program(narrow.begin(), narrow.end()); // the build folder's name is plain
        std::wstring commandLine = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
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
    HANDLE handle() const { return process_.hProcess; }
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

} // namespace editor_process
