// The Insert Characters dialog and the insertion of zero bytes.
#include "commands/win32/InsertDialog.h"

#include <string>

#include "commands/InsertCount.h"
#include "document/win32/BusyCursor.h"
#include "editor/EditorCore.h"
#include "editor/win32/MessageBoxes.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int countAreaSize = 256;
constexpr WORD countCharacters = 254; // the area always keeps a terminator

std::string readCount(HWND dialog)
{
    char area[countAreaSize] = {};
    *reinterpret_cast<WORD*>(area) = countCharacters;
    const LRESULT length = SendDlgItemMessageA(dialog, insertCountField, EM_GETLINE, 0, reinterpret_cast<LPARAM>(area));
    return std::string(area, static_cast<std::size_t>(length > 0 ? length : 0));
}

void refuse(const std::string& text)
{
    showMessage(text.c_str(), "Error", MB_ICONERROR);
}

} // namespace

INT_PTR CALLBACK insertDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == insertOkButton) {
            auto* typed = reinterpret_cast<std::string*>(GetWindowLongPtrA(dialog, DWLP_USER));
            if (typed != nullptr) {
                *typed = readCount(dialog);
            }
            EndDialog(dialog, 1);
            return TRUE;
        }
        if (LOWORD(wParam) == insertCancelButton) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void insertCharacters(HWND frame)
{
    EditorCore& core = editorCore;
    if (core.refuseEdit()) {
        return; // not even the dialog: nothing could be inserted
    }
    std::string typed;
    const INT_PTR answer = DialogBoxParamA(core.instance, insertDialogTemplate, frame, insertDialogProc,
                                           reinterpret_cast<LPARAM>(&typed));
    if (answer == 1) {
        const InsertCount count = parseInsertCount(typed);
        switch (count.status) {
        case InsertCount::Status::none:
            refuse(notACountText(typed)); // empty, not a number, zero or negative
            break;
        case InsertCount::Status::outOfRange:
            refuse("The number of characters \"" + typed + "\" is too large.");
            break;
        case InsertCount::Status::count:
            if (!core.canGrowBy(count.value)) {
                refuse(growthRefusalText(count.value));
            } else if (const BusyCursor busy(core.buffer.size); !core.insertZeros(count.value)) {
                refuse(noMemoryToInsertText(count.value));
            } else {
                core.repaint(Repaint::later);
            }
            break;
        }
    }
    // The dialog's owner had the keyboard last; the active pane takes it back.
    core.focusActivePane();
}
