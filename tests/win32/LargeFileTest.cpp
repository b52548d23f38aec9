// Opt-in (ctest label "opt-in"): a file of one and a half gibibytes in
// nibblor.exe. It opens, holds little more memory than the file, and saves its
// first and last bytes back unchanged. And the checksums of half a gibibyte.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "commands/ChecksumRun.h"
#include "commands/CommandIds.h"
#include "resources/ResourceIds.h"
#include "tests/native/TempDir.h"
#include "tests/win32/DialogDriver.h"
#include "tests/win32/EditorProcess.h"

namespace {

using namespace editor_process;
using dialog_driver::DialogWatcher;

constexpr std::int64_t largeSize = 3LL << 29; // 1.5 GiB
constexpr DWORD markLength = 16;
// The first program a fresh wine server starts may take a minute or more.
constexpr DWORD firstWindowTimeout = 300000;
constexpr int titleTries = 200;

std::vector<std::uint8_t> mark(std::uint8_t first)
{
    std::vector<std::uint8_t> bytes(markLength);
    for (DWORD i = 0; i < markLength; ++i) {
        bytes[i] = static_cast<std::uint8_t>(first + i * 7);
    }
    return bytes;
}

// Writes `bytes` at `offset` of the file, which keeps a hole before them.
bool writeAt(const std::string& path, std::int64_t offset, const std::vector<std::uint8_t>& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER at;
    at.QuadPart = offset;
    DWORD done = 0;
    const bool written = SetFilePointerEx(file, at, nullptr, FILE_BEGIN) != FALSE &&
                         WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) != FALSE &&
                         done == bytes.size();
    CloseHandle(file);
    return written;
}

std::vector<std::uint8_t> readAt(const std::string& path, std::int64_t offset)
{
    std::vector<std::uint8_t> bytes(markLength);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER at;
    at.QuadPart = offset;
    DWORD done = 0;
    if (file == INVALID_HANDLE_VALUE || SetFilePointerEx(file, at, nullptr, FILE_BEGIN) == FALSE ||
        ReadFile(file, bytes.data(), markLength, &done, nullptr) == FALSE) {
        bytes.clear();
    }
    bytes.resize(done);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    return bytes;
}

// The most memory the editor has committed, once its window is up.
SIZE_T peakMemoryOnceOpen(const std::string& file, const std::string& folder, HWND* frameOut = nullptr,
                          std::unique_ptr<EditorProcess>* keep = nullptr)
{
    // Ended by its destructor on every way out, so a failure leaves no editor behind.
    auto editor = std::make_unique<EditorProcess>("\"" + file + "\"", folder);
    SIZE_T peak = 0;
    HWND frame = editor->started() ? dialog_driver::waitForWindow(editor->scope(), "Nibblor", nullptr, firstWindowTimeout)
                                   : nullptr;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (frame != nullptr && GetProcessMemoryInfo(editor->handle(), &counters, sizeof counters) != FALSE) {
        peak = counters.PeakPagefileUsage;
    }
    if (frameOut != nullptr && keep != nullptr) {
        *frameOut = frame;
        *keep = std::move(editor);
    } else if (frame != nullptr) {
        PostMessageA(frame, WM_COMMAND, 3, 0);
        editor->waitForExit();
    }
    return peak;
}

TEST(LargeFile, OpensAndSavesOneAndAHalfGibibytes)
{
    TempDir dir;
    const std::string small = dir.write("small.bin", {1});
    const SIZE_T emptyEditor = peakMemoryOnceOpen(small, dir.file(""));
    ASSERT_GT(emptyEditor, 0u) << "the editor's memory could not be read";

    const std::string large = dir.file("large.bin");
    ASSERT_TRUE(writeAt(large, 0, mark(0x11)));
    ASSERT_TRUE(writeAt(large, largeSize - markLength, mark(0x99)));

    HWND frame = nullptr;
    std::unique_ptr<EditorProcess> editor;
    const SIZE_T peak = peakMemoryOnceOpen(large, dir.file(""), &frame, &editor);
    ASSERT_NE(frame, nullptr) << "no editor window for the large file";
    // Right after a load this long the editor may still count as not answering.
    std::string title;
    for (int tries = 0; tries < titleTries && title.empty(); ++tries) {
        title = dialog_driver::textOf(frame);
        if (title.empty()) {
            Sleep(dialog_driver::pollInterval);
        }
    }
    EXPECT_EQ(title, "Nibblor - " + large);
    EXPECT_TRUE(dialog_driver::topLevelWindows(editor->scope(), "#32770", nullptr, true).empty())
        << "a message instead of the document";
    std::printf("peak memory: %lu bytes for the large file, %lu for a one-byte file\n",
                static_cast<unsigned long>(peak), static_cast<unsigned long>(emptyEditor));
    EXPECT_LE(static_cast<double>(peak), static_cast<double>(largeSize) * 1.02 + static_cast<double>(emptyEditor))
        << "peak " << peak << " bytes, an empty editor " << emptyEditor;

    const std::string copy = dir.file("copy.bin");
    DialogWatcher watcher([&](DialogWatcher& w) {
        HWND dialog = dialog_driver::waitForWindow(editor->scope(), "#32770", "Save");
        if (dialog == nullptr || !w.typeFileName(dialog, copy)) {
            return false;
        }
        dialog_driver::clickButton(dialog, IDOK);
        return dialog_driver::waitUntilGone(dialog, 600000);
    });
    PostMessageA(frame, WM_COMMAND, 2, 0);
    EXPECT_TRUE(watcher.finish()) << watcher.log();
    PostMessageA(frame, WM_COMMAND, 3, 0);
    EXPECT_EQ(editor->waitForExit(), 0u);
    editor.reset();

    EXPECT_EQ(readAt(copy, 0), mark(0x11));
    EXPECT_EQ(readAt(copy, largeSize - markLength), mark(0x99));
    EXPECT_TRUE(readAt(copy, largeSize).empty()) << "the copy holds exactly the file's bytes";
}

// 512 MiB of zeros, where a SHA-1 that counts bits in 32 bits goes wrong:
// the progress shows, and the dialog has the right SHA-1 or says it has none.
TEST(LargeFile, ChecksumsOfHalfAGibibyteShowProgressAndNoWrongSha1)
{
    TempDir dir;
    const std::string zeros = dir.file("zeros.bin");
    ASSERT_TRUE(writeAt(zeros, sha1PastHalfGibibyte.zeroBytes - markLength, std::vector<std::uint8_t>(markLength)));
    EditorProcess editor("\"" + zeros + "\"", dir.file(""));
    HWND frame = editor.started() ? dialog_driver::waitForWindow(editor.scope(), "Nibblor", nullptr, firstWindowTimeout)
                                  : nullptr;
    ASSERT_NE(frame, nullptr);
    bool progressShown = false;
    std::string sha1;
    std::string sha256;
    DialogWatcher watcher([&](DialogWatcher&) {
        progressShown = dialog_driver::waitForWindow(editor.scope(), "#32770", "Working") != nullptr;
        HWND dialog = dialog_driver::waitForWindow(editor.scope(), "#32770", "Checksums", firstWindowTimeout);
        if (dialog == nullptr) {
            return false;
        }
        sha1 = dialog_driver::textOf(GetDlgItem(dialog, NIBBLOR_CHECKSUM_SHA1));
        sha256 = dialog_driver::textOf(GetDlgItem(dialog, NIBBLOR_CHECKSUM_SHA256));
        dialog_driver::clickButton(dialog, IDCANCEL);
        return dialog_driver::waitUntilGone(dialog);
    });
    PostMessageA(frame, WM_COMMAND, checksumsCommand, 0);
    EXPECT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(sha256, "9acca8e8c22201155389f65abbf6bc9723edc7384ead80503839f49dcc56d767"); // sha256sum's
    EXPECT_TRUE(sha1 == sha1PastHalfGibibyte.digest ||
                sha1 == "Not available for a document this large on this system")
        << sha1;
    PostMessageA(frame, WM_COMMAND, exitCommand, 0);
    EXPECT_EQ(editor.waitForExit(), 0u);
}

} // namespace
