#include "commands/win32/ChecksumsDialog.h"

#include <optional>
#include <string>

#include "commands/Checksums.h"
#include "commands/win32/SystemDigests.h"
#include "document/win32/ProgressWindow.h"
#include "editor/EditorCore.h"
#include "editor/win32/GlobalClipboard.h"
#include "resources/ResourceIds.h"

namespace {

void fillFields(HWND dialog, const ChecksumResult& result)
{
    SetDlgItemTextA(dialog, checksumScopeLine, checksumScopeText(editorCore).c_str());
    for (int k = 0; k < checksumKindCount; ++k) {
        SetDlgItemTextA(dialog, firstChecksumField + k, result.shown(static_cast<ChecksumKind>(k)).c_str());
    }
}

// The system's SHA-1 is checked once a run, the first time it is needed.
Sha1Check& systemSha1Check()
{
    static Sha1Check check;
    return check;
}

INT_PTR CALLBACK checksumsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        fillFields(dialog, *reinterpret_cast<const ChecksumResult*>(lParam));
        return TRUE;
    case WM_COMMAND: {
        const int control = LOWORD(wParam);
        const int kind = control - firstChecksumCopyButton;
        if (kind >= 0 && kind < checksumKindCount) {
            const auto* result = reinterpret_cast<const ChecksumResult*>(GetWindowLongPtrA(dialog, DWLP_USER));
            const std::string& sum = result->sums[static_cast<std::size_t>(kind)];
            if (sum.empty() || !putOnClipboard(dialog, CF_TEXT, sum.c_str(), sum.size() + 1)) {
                MessageBeep(MB_OK);
            }
            return TRUE;
        }
        const bool closing = control == IDOK || control == IDCANCEL; // the dialog has only Close
        if (closing) {
            EndDialog(dialog, 0);
        }
        return closing ? TRUE : FALSE;
    }
    default:
        return FALSE;
    }
}

} // namespace

void showChecksums(HWND frame)
{
    EditorCore& core = editorCore;
    std::optional<ChecksumResult> result;
    {
        ProgressWindow progress(core.instance, frame, "Computing the checksums...");
        result = checksumsOf(core, systemDigests(), systemSha1Check(), progress);
    }
    if (result) { // cancelled: no sums to show
        DialogBoxParamA(core.instance, checksumsDialogTemplate, frame, checksumsDialogProc,
                        reinterpret_cast<LPARAM>(&*result));
    }
    core.focusActivePane();
}
