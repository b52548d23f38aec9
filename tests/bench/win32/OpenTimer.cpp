// open_timer NIBBLOR_EXE FILE SMALL_FILE: under Wine, how long nibblor.exe
// takes to open FILE, beside a small program of its own (this one, started
// again) that only reads the same file into memory. Both are timed from their
// start, less the time each takes on a one-byte file. Medians of a few runs,
// the file already in the system's cache.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "document/FileBuffer.h"
#include "tests/win32/DialogDriver.h"

namespace {

constexpr int runs = 9;
using dialog_driver::appearTimeout;

double milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

template <typename Work>
double medianOf(Work work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        if (!work()) {
            return -1;
        }
        QueryPerformanceCounter(&end);
        times.push_back(milliseconds(start, end));
    }
    std::sort(times.begin(), times.end());
    return times[runs / 2];
}

// The floor: one block and one ReadFile of the whole file.
bool plainRead(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const DWORD size = GetFileSize(file, nullptr);
    void* block = std::malloc(size);
    DWORD done = 0;
    const bool read = block != nullptr && ReadFile(file, block, size, &done, nullptr) != FALSE && done == size;
    std::free(block);
    CloseHandle(file);
    return read;
}

// Milliseconds from starting the program until `ready` sees it ready, or -1.
// `ready` notes the moment itself, and sees to the program ending.
template <typename Ready>
double timeUntilReady(const std::string& program, const std::string& arguments, Ready ready)
{
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    LARGE_INTEGER readyAt;
    QueryPerformanceCounter(&start);
    if (CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process) == FALSE) {
        return -1;
    }
    const bool wasReady = ready(process, readyAt);
    WaitForSingleObject(process.hProcess, appearTimeout);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return wasReady ? milliseconds(start, readyAt) : -1;
}

// nibblor.exe until its window is shown; then it is told to exit. Looked for
// only every dialog_driver::pollInterval (50 ms): polling closer slows the very
// editor it waits for.
// The wait past the window's showing is the same on either file, and the
// difference between the two leaves it out.
double editorShown(const std::string& editor, const std::string& path)
{
    return timeUntilReady(editor, "\"" + path + "\"", [](const PROCESS_INFORMATION& process, LARGE_INTEGER& at) {
        const HWND frame = dialog_driver::waitForWindow(dialog_driver::Scope::process(process.dwProcessId),
                                                        "Nibblor", nullptr, appearTimeout);
        QueryPerformanceCounter(&at);
        if (frame == nullptr) {
            TerminateProcess(process.hProcess, 1);
            return false;
        }
        PostMessageA(frame, WM_COMMAND, 3, 0); // Exit
        return true;
    });
}

// This program again, reading the file and ending.
double readerDone(const std::string& self, const std::string& path)
{
    return timeUntilReady(self, "--read \"" + path + "\"", [](const PROCESS_INFORMATION& process, LARGE_INTEGER& at) {
        DWORD status = 1;
        const bool ended = WaitForSingleObject(process.hProcess, appearTimeout) == WAIT_OBJECT_0;
        QueryPerformanceCounter(&at);
        return ended && GetExitCodeProcess(process.hProcess, &status) != FALSE && status == 0;
    });
}

template <typename Run>
double medianRun(Run run)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double time = run();
        if (time < 0) {
            return -1;
        }
        times.push_back(time);
    }
    std::sort(times.begin(), times.end());
    return times[runs / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--read") {
        return plainRead(argv[2]) ? 0 : 1;
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: open_timer NIBBLOR_EXE FILE SMALL_FILE\n");
        return 2;
    }
    const std::string editor = argv[1];
    const std::string file = argv[2];
    const std::string small = argv[3];
    const double read = medianOf([&] { return plainRead(file); });
    const double load = medianOf([&] {
        FileBuffer buffer;
        return buffer.load(file.c_str()) == FileBuffer::loaded;
    });
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    const double shownLarge = medianRun([&] { return editorShown(editor, file); });
    const double shownSmall = medianRun([&] { return editorShown(editor, small); });
    const double readLarge = medianRun([&] { return readerDone(self, file); });
    const double readSmall = medianRun([&] { return readerDone(self, small); });
    if (read < 0 || load < 0 || shownLarge < 0 || shownSmall < 0 || readLarge < 0 || readSmall < 0) {
        std::fprintf(stderr, "open_timer: a run failed\n");
        return 1;
    }
    const double open = shownLarge - shownSmall;
    const double plain = readLarge - readSmall;
    std::printf("nibblor.exe, start to window:  %8.1f ms on the file, %8.1f ms on one byte\n", shownLarge,
                shownSmall);
    std::printf("reader, start to end:          %8.1f ms on the file, %8.1f ms on one byte\n", readLarge, readSmall);
    std::printf("nibblor.exe's open:            %8.1f ms\n", open);
    std::printf("the reader's plain read:       %8.1f ms  (nibblor.exe takes %.2f x)\n", plain, open / plain);
    std::printf("in one process, warm: the editor's load %.1f ms, a plain read %.1f ms (%.2f x)\n", load, read,
                load / read);
    return 0;
}
