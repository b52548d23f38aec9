#include "commands/win32/FieldDialog.h"

#include "editor/EditorCore.h"
#include "editor/win32/TextConversion.h"

namespace {

INT_PTR CALLBACK fieldDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const auto* shown = reinterpret_cast<const FieldDialog*>(lParam);
        if (!shown->initialText.empty()) {
            SetDlgItemTextA(dialog, shown->field, shown->initialText.c_str());
            SendDlgItemMessageA(dialog, shown->field, EM_SETSEL, 0, -1);
        }
        return TRUE;
    }
    case WM_COMMAND: {
        const auto* shown = reinterpret_cast<const FieldDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (shown == nullptr) {
            return FALSE; // before WM_INITDIALOG
        }
        const int control = LOWORD(wParam);
        if (control == shown->okButton) {
            if (shown->accept(dialogFieldText(dialog, shown->field))) {
                EndDialog(dialog, 1);
            }
            return TRUE;
        }
        if (control == shown->cancelButton) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

} // namespace

bool runFieldDialog(HWND owner, const FieldDialog& dialog)
{
    return DialogBoxParamA(editorCore.instance, dialog.dialogTemplate, owner, fieldDialogProc,
                           reinterpret_cast<LPARAM>(&dialog)) == 1;
}
