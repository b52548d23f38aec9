// Compare With, stepping through the differences, their colour on the screen,
// and the Checksums dialog with its sums against published test vectors.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "resources/ResourceIds.h"
#include "tests/win32/DialogDriver.h"
#include "tests/win32/HostedEditorFixture.h"
#include "view/Editing.h"

namespace {

using dialog_driver::DialogWatcher;

using Comparing = HostedEditor;

// The message, the colour on a differing cell, F6 and Shift+F6 through the
// runs to the ends, then Stop Comparing.
TEST_F(Comparing, CompareWithColoursAndStepsThroughTheDifferencesUntilStopped)
{
    hostCommand(createTopLevel);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const HWND hex = hexPane.window;
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
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_EQ(message, "The files differ in 4 bytes. The first difference is at offset 0x5.");
    EXPECT_NE(windowTitle(editorCore.frameWindow).find(" [comparing with copy.bin]"), std::string::npos);
    // The difference colour's pixels in a cell of the hex pane.
    const auto redPixels = [hex](int row, int column) {
        return countPixels(hex, (3 * column + 1) * editorCore.charWidth, row * editorCore.lineHeight,
                           2 * editorCore.charWidth, editorCore.lineHeight, editorCore.comparison.differenceColor);
    };
    pumpMessages();
    EXPECT_GT(redPixels(0, 5), 0);
    EXPECT_EQ(redPixels(0, 6), 0);

    using Run = std::vector<std::int32_t>;
    const auto selected = [] { return Run{selectedBytes(editorCore).first, selectedBytes(editorCore).count}; };
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
    type(hex, "\x03"); // Copy drops the selection; F6 still moves on from the run it stepped to
    press(hex, VK_F6);
    EXPECT_EQ(selected(), (Run{40, 2}));
    type(hex, "\x03");

    pumpMessages();
    EXPECT_GT(redPixels(2, 8), 0) << "offset 40";
    frameCommand(stopComparingCommand);
    pumpMessages();
    EXPECT_EQ(redPixels(2, 8), 0);
    EXPECT_EQ(windowTitle(editorCore.frameWindow).find("comparing"), std::string::npos);
}

// Published test vectors: CRC-32 of "123456789", and every sum of "abc".
TEST_F(Comparing, ChecksumsOfTheSelectionMatchPublishedVectorsAndCopy)
{
    dir.write("test.exe", {'1', '2', '3', '4', '5', '6', '7', '8', '9', 'a', 'b', 'c'});
    hostCommand(createChildWithTitle);
    const HWND hex = hexPane.window;
    using Sums = std::vector<std::string>; // CRC-32, MD5, SHA-1, SHA-256, SHA-512; empty: not checked
    const struct {
        int first, last;
        const char* scope;
        Sums sums;
    } rounds[] = {
        {0, 8, "Selection: 0x0-0x8, 9 bytes", {"cbf43926", "", "", "", ""}},
        {9, 11, "Selection: 0x9-0xB, 3 bytes",
         {"352441c2", "900150983cd24fb0d6963f7d28e17f72", "a9993e364706816aba3e25717850c26c9cd0d89d",
          "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad",
          "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd"
          "454d4423643ce80e2a9ac94fa54ca49f"}},
    };
    for (const auto& round : rounds) {
        selectCells(hex, 0, round.first, 0, round.last);
        std::string scope;
        Sums shown;
        DialogWatcher watcher([&](DialogWatcher& w) {
            HWND dialog = w.waitForDialog("Checksums");
            if (dialog == nullptr) {
                return false;
            }
            scope = dialog_driver::textOf(GetDlgItem(dialog, NIBBLOR_CHECKSUM_SCOPE));
            for (int field = NIBBLOR_CHECKSUM_CRC32; field <= NIBBLOR_CHECKSUM_SHA512; ++field) {
                shown.push_back(dialog_driver::textOf(GetDlgItem(dialog, field)));
            }
            dialog_driver::clickButton(dialog, NIBBLOR_CHECKSUM_COPY_SHA256);
            dialog_driver::clickButton(dialog, IDCANCEL);
            return w.waitUntilClosed(dialog);
        });
        frameCommand(checksumsCommand);
        ASSERT_TRUE(watcher.finish()) << watcher.log();
        EXPECT_EQ(scope, round.scope);
        ASSERT_EQ(shown.size(), round.sums.size());
        for (std::size_t k = 0; k < shown.size(); ++k) {
            EXPECT_TRUE(round.sums[k].empty() || shown[k] == round.sums[k]) << shown[k];
        }
        EXPECT_EQ(clipboardText(hex), shown[3]) << "Copy puts the SHA-256 on the clipboard";
    }
}

} // namespace
