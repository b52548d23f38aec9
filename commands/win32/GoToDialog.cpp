// The Go to Offset dialog: it stays open until the text names an offset of
// the document, or is cancelled.
#include "commands/win32/GoToDialog.h"

#include <cstdio>
#include <string>

#include "commands/OffsetText.h"
#include "editor/EditorCore.h"
#include "editor/win32/MessageBoxes.h"
#include "editor/win32/TextConversion.h"
#include "resources/ResourceIds.h"

namespace {

std::string hexText(std::int64_t value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(value));
    return text;
}

void warn(const std::string& text)
{
    showMessage(text.c_str(), "Invalid offset", MB_ICONWARNING);
}

} // namespace

INT_PTR CALLBACK goToDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    switch (message) {
    case WM_INITDIALOG:
        // The cursor's own offset, ready to be typed over.
        SetDlgItemTextA(dialog, goToOffsetField, hexText(editorCore.cursorOffset).c_str());
        SendDlgItemMessageA(dialog, goToOffsetField, EM_SETSEL, 0, -1);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const std::string text = dialogFieldText(dialog, goToOffsetField);
            const OffsetText offset = parseOffset(text);
            const std::int64_t size = editorCore.buffer.size;
            if (!offset.valid) {
                warn("\"" + text + "\" is not an offset: type it in hexadecimal, or # and a decimal number.");
            } else if (offset.value > size) {
                warn("Offset " + hexText(offset.value) + " is past the end of the document, which ends at " +
                     hexText(size) + ".");
            } else {
                EndDialog(dialog, 1);
                editorCore.goToOffset(offset.value);
            }
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void goToOffset(HWND frame)
{
    DialogBoxParamA(editorCore.instance, goToDialogTemplate, frame, goToDialogProc, 0);
    editorCore.focusActivePane();
}
