// nibblor.exe [file] as its own process: the frame on a named file ended by
// its Exit command, and a start without a file whose Open dialog is cancelled.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/native/TempDir.h"
#include "tests/win32/DialogDriver.h"
#include "tests/win32/EditorProcess.h"

namespace {

using namespace editor_process;

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
