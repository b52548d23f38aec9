// The in-place edit box: a plain edit control laid over the list's cell, its
// keys caught by a subclass so that Enter and Escape end the edit.
#include "commands/win32/ValueEditBox.h"

#include <commctrl.h>

#include <vector>

namespace {

constexpr UINT_PTR subclassId = 1;

struct EditState {
    HWND box = nullptr;
    HWND list = nullptr;
    int row = -1;
    ValueCommit commit = nullptr;
    bool committing = false; // a message box of the commit takes the keyboard for a while
};
EditState edit;

std::wstring boxText()
{
    std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(edit.box)) + 1, L'\0');
    GetWindowTextW(edit.box, text.data(), static_cast<int>(text.size()));
    return text.data();
}

void commitEdit()
{
    edit.committing = true;
    const bool taken = edit.commit(edit.row, boxText());
    edit.committing = false;
    if (taken) {
        endValueEdit();
    } else if (edit.box != nullptr) {
        SetFocus(edit.box);
        SendMessageW(edit.box, EM_SETSEL, 0, -1);
    }
}

LRESULT CALLBACK editBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_GETDLGCODE:
        return DefSubclassProc(box, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            commitEdit();
            return 0;
        }
        if (wParam == VK_ESCAPE) {
            endValueEdit();
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == '\r' || wParam == VK_ESCAPE) {
            return 0; // handled as keys; the box would beep at them
        }
        break;
    case WM_KILLFOCUS: {
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        if (!edit.committing) {
            endValueEdit();
        }
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(box, editBoxProc, subclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

} // namespace

void beginValueEdit(HWND list, int row, int column, const std::wstring& text, ValueCommit commit)
{
    endValueEdit();
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_LABEL;
    if (SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell)) == 0) {
        return;
    }
    edit.box = CreateWindowExW(0, L"EDIT", text.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                               cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top, list, nullptr,
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(list, GWLP_HINSTANCE)), nullptr);
    if (edit.box == nullptr) {
        return;
    }
    edit.list = list;
    edit.row = row;
    edit.commit = commit;
    SendMessageW(edit.box, WM_SETFONT, SendMessageW(list, WM_GETFONT, 0, 0), FALSE);
    SetWindowSubclass(edit.box, editBoxProc, subclassId, 0);
    SendMessageW(edit.box, EM_SETSEL, 0, -1);
    SetFocus(edit.box);
}

void endValueEdit()
{
    const HWND box = edit.box;
    if (box == nullptr) {
        return;
    }
    edit.box = nullptr; // before the focus moves: its loss must not end the edit twice
    if (GetFocus() == box) {
        SetFocus(edit.list);
    }
    DestroyWindow(box);
}
