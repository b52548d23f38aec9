// Two hundred editor windows made and taken down, each with a font and a
// background chosen while it is open. Every
// object a window or a choice replaced is gone at the end, and where the
// system counts its objects, their number has stayed flat.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "editor/win32/DisplayObjects.h"
#include "tests/win32/HostedEditorFixture.h"

namespace {

constexpr int cycles = 200;
constexpr DWORD countSlack = 16; // the system's own caches may grow a little

struct Held {
    HFONT font;
    HBRUSH brush;
    HMENU menuBar;
    HMENU viewMenu;
    HWND frame;
    HWND hexPane;
};

using HandleCycles = HostedEditor;

TEST_F(HandleCycles, TwoHundredWindowsAndChoicesLeaveNothingBehind)
{
    const HANDLE process = GetCurrentProcess();
    hostCommand(createChildBare); // the first window's own objects are the baseline
    hostCommand(destroyEditor);
    pumpMessages();
    const DWORD gdiBefore = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(process, GR_USEROBJECTS);

    std::vector<Held> replaced;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        hostCommand(cycle % 2 == 0 ? createChildBare : createChildWithTitle);
        ASSERT_TRUE(IsWindow(editorCore.frameWindow)) << "cycle " << cycle;
        EditorCore& e = editorCore;
        replaced.push_back({e.font, e.backgroundBrush, e.menuBar, e.viewMenu, e.frameWindow, hexPane.window});
        replaceFont(e, CreateFontA(12 + cycle % 8, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                                  "Liberation Mono"));
        replaced.push_back({e.font, nullptr, nullptr, nullptr, nullptr, nullptr});
        ASSERT_TRUE(replaceBackgroundBrush(e, RGB(cycle % 256, 0, 0)));
        replaced.push_back({nullptr, e.backgroundBrush, nullptr, nullptr, nullptr, nullptr});
        hostCommand(destroyEditor);
    }
    hostCommand(createChildBare);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const EditorCore& e = editorCore;
    int stillHeld = 0;
    for (const Held& old : replaced) {
        stillHeld += old.font != nullptr && old.font != e.font && GetObjectType(old.font) != 0;
        stillHeld += old.brush != nullptr && old.brush != e.backgroundBrush && GetObjectType(old.brush) != 0;
        stillHeld += old.menuBar != nullptr && old.menuBar != e.menuBar && IsMenu(old.menuBar) != FALSE;
        stillHeld += old.viewMenu != nullptr && old.viewMenu != e.viewMenu && IsMenu(old.viewMenu) != FALSE;
        stillHeld += old.frame != nullptr && old.frame != e.frameWindow && IsWindow(old.frame) != FALSE;
        stillHeld += old.hexPane != nullptr && old.hexPane != hexPane.window && IsWindow(old.hexPane) != FALSE;
    }
    EXPECT_EQ(stillHeld, 0) << "objects replaced during the cycles are still held";
    hostCommand(destroyEditor);
    pumpMessages();

    // Counted only where the system counts them; Wine answers 0.
    const DWORD gdiAfter = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userAfter = GetGuiResources(process, GR_USEROBJECTS);
    if (gdiBefore != 0) {
        EXPECT_LE(gdiAfter, gdiBefore + countSlack);
    }
    if (userBefore != 0) {
        EXPECT_LE(userAfter, userBefore + countSlack);
    }
    std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu over %d windows\n",
                static_cast<unsigned long>(gdiBefore), static_cast<unsigned long>(gdiAfter),
                static_cast<unsigned long>(userBefore), static_cast<unsigned long>(userAfter), cycles);
}

} // namespace
