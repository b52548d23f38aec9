// The data inspector and the status bar from the View menu, on a file of known
// bytes: the values, the byte order, a typed value and its undo, the status
// texts after a Shift-selection, and the frame's size with both shown and hidden.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "tests/win32/HostedEditorFixture.h"

namespace {

constexpr int int32Row = static_cast<int>(ValueType::Int32);

class Inspector : public HostedEditor {
protected:
    // 0x12345678 little-endian at offset 0, then the fixture's pattern.
    void openKnownFile(HostItem style)
    {
        original[0] = 0x78, original[1] = 0x56, original[2] = 0x34, original[3] = 0x12;
        dir.write("test.exe", original);
        hostCommand(style);
        ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    }

    static HWND inspectorList()
    {
        return FindWindowExW(FindWindowW(L"NibInspector", L"Data Inspector"), nullptr, WC_LISTVIEWW, nullptr);
    }

    static std::wstring value(int row)
    {
        pumpMessages(); // the refresh is posted
        wchar_t text[128] = {};
        LVITEMW item{};
        item.iSubItem = 1;
        item.pszText = text;
        item.cchTextMax = 128;
        SendMessageW(inspectorList(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return text;
    }

    static void selectRow(HWND list, int row)
    {
        LVITEMW selected{};
        selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&selected));
    }

    static std::vector<std::wstring> statusTexts(HWND bar)
    {
        pumpMessages();
        std::vector<std::wstring> texts;
        for (WPARAM part = 0; part < 6; ++part) {
            std::wstring text(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0)), L'\0');
            SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(&text[0]));
            texts.push_back(text);
        }
        return texts;
    }
};

TEST_F(Inspector, ShowsTheCursorsBytesInTheChosenOrder)
{
    openKnownFile(createTopLevel);
    frameCommand(inspectorCommand);
    const HWND list = inspectorList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(GetFocus(), hexPane.window) << "shown without taking the keyboard";
    EXPECT_EQ(value(0), L"01111000");
    EXPECT_EQ(value(int32Row), L"305419896");
    EXPECT_EQ(value(static_cast<int>(ValueType::Character)), L"x");

    SendMessageW(FindWindowExW(GetParent(list), nullptr, WC_BUTTONW, L"&Big endian"), BM_CLICK, 0, 0);
    EXPECT_EQ(value(int32Row), L"2018915346");
    press(hexPane.window, VK_RIGHT); // a digit: the same byte
    press(hexPane.window, VK_RIGHT);
    EXPECT_EQ(value(static_cast<int>(ValueType::UInt16)), L"22068") << "0x5634 from offset 1";

    selectRow(list, int32Row);
    holdKey(VK_CONTROL, true);
    SendMessageW(list, WM_KEYDOWN, 'C', 0);
    holdKey(VK_CONTROL, false);
    EXPECT_EQ(clipboardText(list), "1446253084") << "Ctrl+C copies the row's value";
}

TEST_F(Inspector, ATypedInt32IsWrittenThenUndone)
{
    openKnownFile(createTopLevel);
    frameCommand(inspectorCommand);
    const HWND list = inspectorList();
    ASSERT_NE(list, nullptr);
    selectRow(list, int32Row);
    SendMessageW(list, WM_KEYDOWN, VK_F2, 0);
    const HWND box = FindWindowExW(list, nullptr, L"Edit", nullptr);
    ASSERT_NE(box, nullptr);
    SetWindowTextW(box, L"-2");
    SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(documentBytes()[0], 0xFE);
    EXPECT_EQ(documentBytes()[3], 0xFF);
    EXPECT_EQ(value(int32Row), L"-2");

    frameCommand(undoCommand);
    EXPECT_EQ(documentBytes(), original);
    EXPECT_EQ(value(int32Row), L"305419896");
}

TEST_F(Inspector, StatusBarFollowsAShiftSelection)
{
    openKnownFile(createTopLevel);
    frameCommand(statusBarCommand);
    const HWND bar = FindWindowExW(editorCore.frameWindow, nullptr, STATUSCLASSNAMEW, nullptr);
    ASSERT_NE(bar, nullptr);
    SendMessageA(hexPane.window, WM_LBUTTONDOWN, MK_LBUTTON, hexPoint(1, 2)); // offset 18
    holdKey(VK_SHIFT, true);
    press(hexPane.window, VK_DOWN);
    holdKey(VK_SHIFT, false);
    const std::vector<std::wstring> expected = {L"Offset: 0x12 (18)", L"Selection: 0x12-0x22 (17 bytes)",
                                                L"Size: 1,599 bytes", L"Hex", L"Overwrite", L""};
    EXPECT_EQ(statusTexts(bar), expected);
}

TEST_F(Inspector, FrameKeepsItsSizeWithBothHidden)
{
    openKnownFile(createChildWithTitle);
    const SIZE before = windowSize(editorCore.frameWindow);
    const RECT hexBefore = placeOf(hexPane.window);
    RECT clientBefore{};
    GetClientRect(editorCore.frameWindow, &clientBefore);
    frameCommand(statusBarCommand);
    frameCommand(inspectorCommand);
    const HWND bar = FindWindowExW(editorCore.frameWindow, nullptr, STATUSCLASSNAMEW, nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(windowSize(editorCore.frameWindow).cy, before.cy + windowSize(bar).cy);
    EXPECT_EQ(placeOf(bar).top, clientBefore.bottom) << "the panes show as much as before";
    const RECT hexAfter = placeOf(hexPane.window);
    EXPECT_TRUE(EqualRect(&hexBefore, &hexAfter));

    frameCommand(statusBarCommand);
    frameCommand(inspectorCommand);
    EXPECT_EQ(windowSize(editorCore.frameWindow).cx, before.cx);
    EXPECT_EQ(windowSize(editorCore.frameWindow).cy, before.cy);
    EXPECT_FALSE(IsWindowVisible(GetParent(inspectorList())));
}

} // namespace
