#include "commands/win32/ChecksumsDialog.h"

#include <array>
#include <string>

#include "commands/Checksums.h"
#include "commands/win32/Checksums.h"
#include "commands/win32/ClipboardCommands.h"
#include "document/win32/BusyCursor.h"
#include "editor/EditorCore.h"
#include "resources/ResourceIds.h"

namespace {

constexpr char unavailable[] = "(not available)";

using ChecksumTexts = std::array<std::string, checksumKindCount>;

void fillFields(HWND dialog, const ChecksumTexts& sums)
{
    const EditorCore& core = editorCore;
    const ChecksumScope scope = checksumScope(core);
    SetDlgItemTextA(dialog, checksumScopeLine, scope.text.c_str());
    for (int k = 0; k < checksumKindCount; ++k) {
        const std::string& sum = sums[static_cast<std::size_t>(k)];
        SetDlgItemTextA(dialog, firstChecksumField + k, sum.empty() ? unavailable : sum.c_str());
    }
}

INT_PTR CALLBACK checksumsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        fillFields(dialog, *reinterpret_cast<const ChecksumTexts*>(lParam));
        return TRUE;
    case WM_COMMAND: {
        const int control = LOWORD(wParam);
        const int kind = control - firstChecksumCopyButton;
        if (kind >= 0 && kind < checksumKindCount) {
            const auto* sums = reinterpret_cast<const ChecksumTexts*>(GetWindowLongPtrA(dialog, DWLP_USER));
            const std::string& sum = (*sums)[static_cast<std::size_t>(kind)];
            if (sum.empty() || !putOnClipboard(dialog, CF_TEXT, sum.c_str(), sum.size() + 1)) {
                MessageBeep(MB_OK);
            }
            return TRUE;
        }
        if (control == IDOK || control == IDCANCEL) {
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

void showChecksums(HWND frame)
{
    EditorCore& core = editorCore;
    const ByteRange range = checksumScope(core).range;
    const std::uint8_t* bytes = core.buffer.data.held() ? core.buffer.data.get() + range.first : nullptr;
    ChecksumTexts sums;
    {
        const BusyCursor busy(range.count);
        for (int k = 0; k < checksumKindCount; ++k) {
            sums[static_cast<std::size_t>(k)] =
                checksumOf(static_cast<ChecksumKind>(k), bytes, static_cast<std::size_t>(range.count));
        }
    }
    DialogBoxParamA(core.instance, checksumsDialogTemplate, frame, checksumsDialogProc,
                    reinterpret_cast<LPARAM>(&sums));
    core.focusActivePane();
}
