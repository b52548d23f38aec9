// The data inspector's window: a report list of the types and their values
// and a "Big endian" check box. The texts come from the core, and a typed
// value goes to the core to be written; this file only shows and passes them.
#include "commands/win32/InspectorWindow.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "commands/CommandIds.h"
#include "commands/win32/ListColumns.h"
#include "commands/win32/ToolWindowFrame.h"
#include "commands/win32/ValueEditBox.h"
#include "editor/EditorCore.h"
#include "editor/Settings.h"
#include "editor/win32/GlobalClipboard.h"
#include "editor/win32/SettingsStore.h"
#include "editor/win32/ToolWindows.h"
#include "editor/win32/TextConversion.h"
#include "view/ValueEditing.h"

namespace {

constexpr int bigEndianBoxId = 100;
constexpr int typeColumn = 0;
constexpr int valueColumn = 1;
// Measures at 96 dots per inch, grown with the resolution.
constexpr int typeColumnWidthAt96 = 130;
constexpr int valueColumnWidthAt96 = 250;
constexpr int windowWidthAt96 = 410;
constexpr int windowHeightAt96 = 470;
constexpr int marginAt96 = 6;
constexpr int checkBoxHeightAt96 = 20;

struct InspectorState {
    HWND window = nullptr;
    HWND list = nullptr;
    HWND bigEndianBox = nullptr;
    HFONT font = nullptr;
    std::array<std::wstring, valueTypeCount> values; // as the list shows them
};
InspectorState inspector;

// The Character row's byte is in the ANSI code page; every other text is UTF-8.
UINT codePageOf(ValueType type)
{
    return type == ValueType::Character ? CP_ACP : CP_UTF8;
}

// A typed value as the core reads it: UTF-8 too for a Character entry that
// is no single ANSI byte, which the core's message then repeats as typed.
std::string coreText(ValueType type, const std::wstring& text)
{
    std::string typed;
    if (type == ValueType::Character && narrowText(text, codePageOf(type), typed) && typed.size() == 1) {
        return typed;
    }
    narrowText(text, CP_UTF8, typed);
    return typed;
}

bool bigEndianChosen()
{
    return inspector.bigEndianBox != nullptr && SendMessageW(inspector.bigEndianBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A value typed over a row: written by the core, or the user told why not
// while the box stays open to correct it.
bool commitValue(int row, const std::wstring& text)
{
    const auto type = static_cast<ValueType>(row);
    const ValueWrite write = writeValue(editorCore, type, coreText(type, text), bigEndianChosen());
    return write != ValueWrite::invalid && write != ValueWrite::notEnoughBytes;
}

int selectedRow()
{
    return static_cast<int>(SendMessageW(inspector.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void editSelectedRow()
{
    const int row = selectedRow();
    if (row < 0 || editorCore.files.refuseEdit()) {
        return;
    }
    beginValueEdit(inspector.list, row, valueColumn, inspector.values[static_cast<std::size_t>(row)], commitValue);
}

void copySelectedValue()
{
    const int row = selectedRow();
    if (row >= 0) {
        const std::wstring& value = inspector.values[static_cast<std::size_t>(row)];
        putOnClipboard(inspector.window, CF_UNICODETEXT, value.c_str(), (value.size() + 1) * sizeof(wchar_t));
    }
}

void addRows()
{
    for (int row = 0; row < valueTypeCount; ++row) {
        const std::string name = valueTypeName(static_cast<ValueType>(row));
        std::wstring text(name.begin(), name.end());
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = &text[0];
        SendMessageW(inspector.list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    inspector.values = {};
}

void createControls(HWND window)
{
    const HINSTANCE instance = editorCore.instance;
    inspector.list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                     WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                                         LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                                     0, 0, 0, 0, window, nullptr, instance, nullptr);
    inspector.bigEndianBox = CreateWindowExW(0, WC_BUTTONW, L"&Big endian", WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                                             BS_AUTOCHECKBOX, 0, 0, 0, 0, window,
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(bigEndianBoxId)), instance,
                                             nullptr);
    inspector.font = createToolWindowFont();
    for (const HWND control : {inspector.list, inspector.bigEndianBox}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(inspector.font), FALSE);
    }
    SendMessageW(inspector.list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    addListColumn(inspector.list, typeColumn, L"Type", scaledToEditor(typeColumnWidthAt96));
    addListColumn(inspector.list, valueColumn, L"Value", scaledToEditor(valueColumnWidthAt96));
    addRows();
    SendMessageW(inspector.bigEndianBox, BM_SETCHECK, readFlagSetting(editorCore, settings::bigEndian) ? BST_CHECKED : BST_UNCHECKED,
                 0);
}

void layOut(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    const int margin = scaledToEditor(marginAt96);
    const int box = scaledToEditor(checkBoxHeightAt96);
    const int width = client.right - 2 * margin;
    MoveWindow(inspector.list, margin, margin, width, client.bottom - box - 3 * margin, TRUE);
    MoveWindow(inspector.bigEndianBox, margin, client.bottom - box - margin, width, box, TRUE);
    // The values take the width the types leave.
    SendMessageW(inspector.list, LVM_SETCOLUMNWIDTH, valueColumn, LVSCW_AUTOSIZE_USEHEADER);
}

// A first showing: tall enough for every row and the check box.
void fitHeightToRows()
{
    RECT row{};
    row.left = LVIR_BOUNDS;
    RECT header{};
    RECT window{};
    RECT list{};
    SendMessageW(inspector.list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    GetWindowRect(reinterpret_cast<HWND>(SendMessageW(inspector.list, LVM_GETHEADER, 0, 0)), &header);
    GetWindowRect(inspector.window, &window);
    GetClientRect(inspector.list, &list);
    const int needed = (header.bottom - header.top) + valueTypeCount * (row.bottom - row.top);
    const int growth = needed - list.bottom;
    SetWindowPos(inspector.window, nullptr, 0, 0, window.right - window.left, window.bottom - window.top + growth,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT onNotify(const NMHDR& header)
{
    if (header.hwndFrom != inspector.list) {
        return 0;
    }
    switch (header.code) {
    case NM_DBLCLK:
    case NM_RETURN:
        editSelectedRow();
        break;
    case LVN_KEYDOWN: {
        const WORD key = reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey;
        if (key == VK_F2) {
            editSelectedRow();
        } else if (key == 'C' && GetKeyState(VK_CONTROL) < 0) {
            copySelectedValue();
        }
        break;
    }
    case LVN_BEGINSCROLL:
        endValueEdit(); // the box would stay where the row was
        break;
    default:
        break;
    }
    return 0;
}

void onCommand(HWND /*window*/, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case bigEndianBoxId:
        writeFlagSetting(editorCore, settings::bigEndian, bigEndianChosen());
        refreshInspector();
        break;
    case IDOK: // Enter in the list, through the dialog keys
        if (GetFocus() == inspector.list) {
            editSelectedRow();
        }
        break;
    default:
        break;
    }
}

void createInspector(HWND window)
{
    inspector.window = window;
    createControls(window);
}

void inspectorDestroyed()
{
    if (inspector.font != nullptr) {
        DeleteObject(inspector.font);
    }
    inspector = InspectorState{};
}

const ToolWindowKind inspectorKind = {inspectorClassName, inspectorCaption, settings::inspectorPlace, inspectorCommand,
                                      windowWidthAt96, windowHeightAt96, createInspector, layOut, onNotify, onCommand,
                                      inspectorDestroyed};

LRESULT CALLBACK inspectorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return toolWindowMessage(inspectorKind, window, message, wParam, lParam);
}

} // namespace

bool inspectorShown()
{
    return inspector.window != nullptr && IsWindowVisible(inspector.window) != FALSE;
}

void showInspector(HWND frame, bool shown)
{
    if (!shown) {
        if (inspector.window != nullptr) {
            hideToolWindow(inspectorKind, inspector.window);
        }
        return;
    }
    if (inspector.window == nullptr) {
        bool remembered = false;
        createToolWindow(inspectorKind, inspectorProc, frame, remembered);
        if (inspector.window == nullptr) {
            return;
        }
        if (!remembered) {
            fitHeightToRows();
        }
    }
    ShowWindow(inspector.window, SW_SHOWNOACTIVATE);
    refreshInspector();
}

void refreshInspector()
{
    if (!inspectorShown()) {
        return;
    }
    const bool bigEndian = bigEndianChosen();
    for (int row = 0; row < valueTypeCount; ++row) {
        const auto type = static_cast<ValueType>(row);
        std::wstring text = wideText(valueAtCursor(editorCore, type, bigEndian), codePageOf(type));
        std::wstring& shown = inspector.values[static_cast<std::size_t>(row)];
        if (text == shown) {
            continue;
        }
        shown = text;
        LVITEMW item{};
        item.iSubItem = valueColumn;
        item.pszText = &text[0];
        SendMessageW(inspector.list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
}

void dropInspector()
{
    if (inspector.window != nullptr) {
        DestroyWindow(inspector.window);
    }
}
