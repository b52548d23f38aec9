// The About box: the "AboutDlg" template of the program's resources.
#include "commands/win32/AboutDialog.h"

#include "resources/ResourceIds.h"

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == aboutOkButton) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void runAboutDialog(HINSTANCE instance, HWND owner)
{
    DialogBoxParamA(instance, aboutDialogTemplate, owner, aboutDialogProc, 0);
}
