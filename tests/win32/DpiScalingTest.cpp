// nibblor.exe at 96 and at 144 dots per inch. Wine reads the resolution from
// the registry when a process starts, for every process of the prefix, so the
// test runs alone and puts it back, with the editor's settings, however it ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "commands/CommandIds.h"
#include "tests/native/TempDir.h"
#include "tests/win32/EditorProcess.h"
#include "tests/win32/RegistrySnapshot.h"

namespace {

using namespace editor_process;

constexpr const char* desktopKey = "Control Panel\\Desktop";
constexpr double visibleRows = 25.8; // the panes show 25 rows and a part row

// The default font's cell height at the resolution: the hex pane's over its rows.
long cellHeightAt(DWORD dpi, const TempDir& dir, const std::string& file)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, desktopKey, "LogPixels", REG_DWORD, &dpi, sizeof dpi);
    EditorProcess editor("\"" + file + "\"", dir.file(""));
    const HWND frame = dialog_driver::waitForWindow(editor.scope(), "Nibblor", nullptr);
    DWORD_PTR ignored = 0;
    // It answers once its window is made and laid out, panes and all.
    if (frame == nullptr || SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, exitTimeout, &ignored) == 0) {
        return 0;
    }
    RECT pane{};
    GetWindowRect(FindWindowExA(frame, nullptr, "__hex", nullptr), &pane);
    PostMessageA(frame, WM_COMMAND, exitCommand, 0);
    EXPECT_EQ(editor.waitForExit(), 0u);
    return std::lround((pane.bottom - pane.top) / visibleRows);
}

TEST(DpiScaling, AtOneAndAHalfTimesTheResolutionTheCellsAreOneAndAHalfTimesAsTall)
{
    RegistrySnapshot settings("Software\\Nibblor");
    settings.clear(); // the default font
    const RegistrySnapshot resolution(desktopKey);
    const TempDir dir;
    const std::string file = dir.write("document.bin", patternBytes(500));
    const long normal = cellHeightAt(96, dir, file);
    const long large = cellHeightAt(144, dir, file);
    ASSERT_GT(normal, 0) << "no editor window at 96 dots per inch";
    // The font engine rounds ascent and descent each to whole pixels.
    EXPECT_NEAR(large, 1.5 * normal, 1.0) << "at 96: " << normal;
}

} // namespace
