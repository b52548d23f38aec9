// The Structure window from the View menu on the host's "test.exe": the
// definition its extension calls for, or one the registry remembers for it;
// rows and bytes following each other, the fields' tints in the panes, a
// typed value undone, a definition's error, and the tree copied as JSON.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "commands/CommandIds.h"
#include "structureview/FieldTints.h"
#include "structureview/win32/StructureWindow.h"
#include "tests/win32/HostedEditorFixture.h"

namespace {

// Rows: magic (0, 2 bytes), width (2), records[4] (4, four of 4 bytes), tail (20, 16).
const char* const sampleDefinition = R"(meta: {id: sample, title: Sample records, endian: le}
seq:
  - {id: magic, size: 2}
  - {id: width, type: u2}
  - {id: records, type: record, repeat: expr, repeat-expr: 4}
  - {id: tail, size: 16}
types:
  record: {seq: [{id: a, type: u2}, {id: b, type: u2}]}
)";
constexpr int widthRow = 1;
constexpr int tailRow = 3;

class Structure : public HostedEditor {
protected:
    // Shown on the host's "test.exe"; with a definition named, the one the
    // user chose for "exe", written into the test's folder.
    std::string showOnTestFile(const std::string& name = {}, const std::string& text = {})
    {
        const std::string path = dir.file(name);
        if (!name.empty()) {
            std::ofstream(path, std::ios::binary) << text;
            RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Nibblor\\StructureByExtension", "exe", REG_SZ,
                            path.c_str(), static_cast<DWORD>(path.size() + 1));
        }
        hostCommand(createTopLevel);
        EXPECT_TRUE(IsWindow(editorCore.frameWindow));
        frameCommand(structureCommand);
        pumpMessages();
        EXPECT_NE(list(), nullptr);
        return path;
    }

    static HWND window() { return FindWindowW(structureClassName, structureCaption); }
    static HWND list() { return FindWindowExW(window(), nullptr, WC_LISTVIEWW, nullptr); }
    static HWND child(const wchar_t* className, int index = 0)
    {
        HWND found = nullptr;
        for (int i = 0; i <= index; ++i) {
            found = FindWindowExW(window(), found, className, nullptr);
        }
        return found;
    }

    static std::wstring cell(int row, int column)
    {
        pumpMessages();
        wchar_t text[256] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(list(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return text;
    }

    static int rowCount() { return static_cast<int>(SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0)); }
    static int selectedRow()
    {
        pumpMessages();
        return static_cast<int>(SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }

    static void clickRow(int row)
    {
        LVITEMW selected{};
        selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&selected));
        pumpMessages();
    }

    // Pixels of the colour in the hex cell of (screen row, column).
    static int hexCellPixels(int row, int column, COLORREF color)
    {
        pumpMessages();
        const EditorCore& e = editorCore;
        return countPixels(hexPane.window, (3 * column + 1) * e.charWidth, row * e.lineHeight, 2 * e.charWidth,
                           e.lineHeight, color);
    }
};

TEST_F(Structure, TheMenuShowsItWithTheDefinitionTheExtensionCallsFor)
{
    showOnTestFile();
    EXPECT_TRUE(IsWindowVisible(window()));
    EXPECT_EQ(GetFocus(), hexPane.window) << "shown without taking the keyboard";
    wchar_t chosen[128] = {};
    GetWindowTextW(child(WC_COMBOBOXW), chosen, 128);
    EXPECT_STREQ(chosen, L"Portable Executable (PE) file, with its DOS header");
    // The pattern is no program: the header's check fails, and the last row says so.
    ASSERT_GT(rowCount(), 0);
    const std::wstring last = cell(rowCount() - 1, 0);
    EXPECT_EQ(last.rfind(L"  error: ", 0), 0u) << std::string(last.begin(), last.end());
}

TEST_F(Structure, ARowClickedSelectsItsBytes)
{
    showOnTestFile("sample.ksy", sampleDefinition);
    ASSERT_EQ(cell(tailRow, 0), L"  tail");
    clickRow(tailRow);
    EXPECT_EQ(editorCore.cursorOffset, 20);
    EXPECT_TRUE(editorCore.hasSelection());
    EXPECT_EQ(editorCore.firstVisibleRow + editorCore.selectionEndRow, 2) << "to offset 35, the 16th byte";
    EXPECT_EQ(editorCore.selectionEndColumn, 3);

    constexpr int recordsRow = 2;
    const int closed = rowCount();
    clickRow(recordsRow);
    SendMessageW(list(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(rowCount(), closed + 4) << "Right opens the four records";
    EXPECT_EQ(cell(recordsRow + 1, 0), L"    + [0]") << "an element, to be opened in turn";
    SendMessageW(list(), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(rowCount(), closed) << "Left closes them";
}

TEST_F(Structure, ACursorMoveSelectsTheDeepestRowKeepingTheKeyboard)
{
    showOnTestFile("sample.ksy", sampleDefinition);
    SetFocus(hexPane.window);
    SendMessageA(hexPane.window, WM_LBUTTONDOWN, MK_LBUTTON, hexPoint(0, 14)); // offset 14: records[2].b
    SendMessageA(hexPane.window, WM_LBUTTONUP, 0, hexPoint(0, 14));
    const int row = selectedRow();
    ASSERT_GE(row, 0);
    EXPECT_EQ(cell(row, 0), L"          b");
    EXPECT_EQ(cell(row, 2), L"0xE");
    EXPECT_EQ(GetFocus(), hexPane.window);
}

TEST_F(Structure, FieldsAreTintedUntilColouringIsTurnedOff)
{
    showOnTestFile("sample.ksy", sampleDefinition);
    SetFocus(hexPane.window);
    const COLORREF widthTint = tintOver(editorCore.backgroundColor, fieldTintPalette[1]);
    EXPECT_GT(hexCellPixels(0, 2, widthTint), 0) << "width, the second field, in the second tint";
    EXPECT_EQ(hexCellPixels(0, 0, widthTint), 0);

    const HWND colourBox = child(WC_BUTTONW);
    ASSERT_NE(colourBox, nullptr);
    SendMessageW(colourBox, BM_CLICK, 0, 0);
    EXPECT_EQ(hexCellPixels(0, 2, widthTint), 0);
    SendMessageW(colourBox, BM_CLICK, 0, 0);
    frameCommand(structureCommand); // hidden: nothing tinted
    EXPECT_EQ(hexCellPixels(0, 2, widthTint), 0);
}

TEST_F(Structure, AValueTypedIsWrittenThenUndone)
{
    showOnTestFile("sample.ksy", sampleDefinition);
    clickRow(widthRow);
    SendMessageW(list(), WM_KEYDOWN, VK_F2, 0);
    const HWND box = FindWindowExW(list(), nullptr, L"Edit", nullptr);
    ASSERT_NE(box, nullptr);
    SetWindowTextW(box, L"640");
    SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(documentBytes()[2], 0x80);
    EXPECT_EQ(documentBytes()[3], 0x02);
    EXPECT_EQ(cell(widthRow, 1), L"640 (0x280)");

    frameCommand(undoCommand);
    EXPECT_EQ(documentBytes(), original);
    EXPECT_NE(cell(widthRow, 1), L"640 (0x280)");
}

TEST_F(Structure, ABadDefinitionIsToldInTheStatusLine)
{
    const std::string path = showOnTestFile("bad.ksy", "meta: {id: bad}\nseq:\n  - {id: a, type: nosuch}\n");
    const HWND status = child(WC_STATICW, 1);
    wchar_t text[512] = {};
    GetWindowTextW(status, text, 512);
    const std::wstring shown = text;
    EXPECT_EQ(shown.rfind(std::wstring(path.begin(), path.end()) + L":3:", 0), 0u) << std::string(shown.begin(), shown.end());
    EXPECT_EQ(rowCount(), 0);
}

// nibstruct.exe beside this test's build: <build>/nibstruct/nibstruct.exe.
std::string nibstructOutput(const std::string& definition, const std::string& file, const std::string& output)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string program = self;
    for (int up = 0; up < 3; ++up) {
        program = program.substr(0, program.find_last_of("\\/"));
    }
    program += "\\nibstruct\\nibstruct.exe";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileA(output.c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\" \"" + definition + "\" \"" + file + "\"";
    if (CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process) == FALSE) {
        CloseHandle(out);
        return "(nibstruct did not start)";
    }
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(out);
    std::ifstream in(output, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(Structure, CopiedAsJsonAsNibstructPrintsIt)
{
    const std::string definition = showOnTestFile("sample.ksy", sampleDefinition);
    SendMessageW(window(), WM_COMMAND, structureCopyJsonCommand, 0);
    std::wstring copied;
    ASSERT_TRUE(OpenClipboard(window()));
    if (HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
        copied = static_cast<const wchar_t*>(GlobalLock(block));
        GlobalUnlock(block);
    }
    CloseClipboard();
    std::string json(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, copied.c_str(), -1, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, copied.c_str(), -1, &json[0], static_cast<int>(json.size()), nullptr, nullptr);
    json.pop_back(); // the terminator
    const std::string expected = nibstructOutput(definition, dir.file("test.exe"), dir.file("nibstruct.json"));
    EXPECT_EQ(json, expected);
}

} // namespace
