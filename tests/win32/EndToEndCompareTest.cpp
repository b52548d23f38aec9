// Compare With, stepping through the differences, their colour on the screen,
// and the Checksums dialog with its sums against published test vectors.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "commands/win32/Checksums.h"
#include "resources/ResourceIds.h"
#include "tests/win32/DialogDriver.h"
#include "tests/win32/HostedEditorFixture.h"

namespace {

using dialog_driver::DialogWatcher;

class Comparing : public HostedEditor {
protected:
    // A copy differing at offset 5, at 40 and 41, and at 300, compared with.
    std::string compareWithChangedCopy()
    {
        std::vector<std::uint8_t> copy = original;
        for (const std::size_t at : {5, 40, 41, 300}) {
            copy[at] ^= 0xFF;
        }
        const std::string path = dir.write("copy.bin", copy);
        std::string message;
        DialogWatcher watcher([&](DialogWatcher& w) {
            HWND dialog = w.waitForDialog("Open");
            if (dialog == nullptr || !w.typeFileName(dialog, path)) {
                return false;
            }
            dialog_driver::clickButton(dialog, IDOK);
            HICON icon = nullptr;
            return w.waitUntilClosed(dialog) && w.answerMessageBox("Nibblor", IDOK, message, icon);
        });
        frameCommand(compareWithCommand);
        return watcher.finish() ? message : watcher.log();
    }

    // The difference colour's pixels in a cell of the hex pane.
    static int redPixels(int row, int column)
    {
        const int width = 2 * editorCore.charWidth;
        return countPixels(hexPane.window, (3 * column + 1) * editorCore.charWidth, row * editorCore.lineHeight,
                           width, editorCore.lineHeight, editorCore.differenceColor);
    }
};

// The message, the colour on a differing cell, F6 and Shift+F6 through the
// runs to the ends, then Stop Comparing.
TEST_F(Comparing, CompareWithColoursAndStepsThroughTheDifferencesUntilStopped)
{
    hostCommand(createTopLevel);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const HWND hex = hexPane.window;
    EXPECT_EQ(compareWithChangedCopy(), "The files differ in 4 bytes. The first difference is at offset 0x5.");
    EXPECT_NE(windowTitle(editorCore.frameWindow).find(" [comparing with copy.bin]"), std::string::npos);
    pumpMessages();
    EXPECT_GT(redPixels(0, 5), 0);
    EXPECT_EQ(redPixels(0, 6), 0);

    using Run = std::vector<std::int32_t>;
    const auto selected = [] { return Run{editorCore.selectedBytes().first, editorCore.selectedBytes().count}; };
    const auto stepThrough = [&](const std::vector<Run>& runs) {
        for (const Run& run : runs) {
            press(hex, VK_F6);
            EXPECT_EQ(selected(), run);
        }
        EXPECT_EQ(messageFrom("Nibblor", [&] { press(hex, VK_F6); }), "No more differences.");
        EXPECT_EQ(selected(), runs.back()) << "nothing moves at the end";
    };
    stepThrough({{5, 1}, {40, 2}, {300, 1}});
    holdKey(VK_SHIFT, true);
    stepThrough({{40, 2}, {5, 1}});
    holdKey(VK_SHIFT, false);

    pumpMessages();
    EXPECT_GT(redPixels(2, 8), 0) << "offset 40";
    frameCommand(stopComparingCommand);
    pumpMessages();
    EXPECT_EQ(redPixels(2, 8), 0);
    EXPECT_EQ(windowTitle(editorCore.frameWindow).find("comparing"), std::string::npos);
}

TEST(Checksums, PublishedTestVectors)
{
    struct Case {
        std::string input;
        ChecksumKind kind;
        const char* sum;
    };
    const Case cases[] = {
        {"123456789", ChecksumKind::crc32, "cbf43926"},
        {"abc", ChecksumKind::crc32, "352441c2"},
        {"abc", ChecksumKind::md5, "900150983cd24fb0d6963f7d28e17f72"},
        {"abc", ChecksumKind::sha1, "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {"abc", ChecksumKind::sha256, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abc", ChecksumKind::sha512,
         "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd"
         "454d4423643ce80e2a9ac94fa54ca49f"},
        {"", ChecksumKind::sha256, "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(checksumOf(c.kind, reinterpret_cast<const std::uint8_t*>(c.input.data()), c.input.size()), c.sum)
            << '"' << c.input << "\" " << static_cast<int>(c.kind);
    }
    EXPECT_EQ(checksumOf(ChecksumKind::crc32, nullptr, 0), "00000000");
}

TEST_F(Comparing, ChecksumsDialogSumsTheSelectionAndCopiesASum)
{
    dir.write("test.exe", {'1', '2', '3', 'a', 'b', 'c'});
    hostCommand(createChildWithTitle);
    const HWND hex = hexPane.window;
    selectCells(hex, 0, 3, 0, 5);
    std::string scope;
    std::string sha256;
    DialogWatcher watcher([&](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Checksums");
        if (dialog == nullptr) {
            return false;
        }
        scope = dialog_driver::textOf(GetDlgItem(dialog, NIBBLOR_CHECKSUM_SCOPE));
        sha256 = dialog_driver::textOf(GetDlgItem(dialog, NIBBLOR_CHECKSUM_SHA256));
        dialog_driver::clickButton(dialog, NIBBLOR_CHECKSUM_COPY_SHA256);
        dialog_driver::clickButton(dialog, IDCANCEL);
        return w.waitUntilClosed(dialog);
    });
    frameCommand(checksumsCommand);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_EQ(scope, "Selection: 0x3-0x5, 3 bytes");
    EXPECT_EQ(sha256, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(clipboardText(hex), sha256);
}

} // namespace
