// Insert Mode, Copy As and Fill Selection: each decodes what the user chose
// and calls one core operation.
#include "commands/win32/EditCommands.h"

#include <exception>
#include <string>
#include <vector>

#include "commands/ClipboardCopy.h"
#include "commands/CommandIds.h"
#include "commands/CopyAs.h"
#include "commands/win32/ClipboardCommands.h"
#include "commands/win32/FieldDialog.h"
#include "commands/win32/InfoPanels.h"
#include "document/PatternSearch.h"
#include "document/win32/ProgressWindow.h"
#include "editor/EditorCore.h"
#include "editor/Settings.h"
#include "editor/win32/MessageBoxes.h"
#include "editor/win32/SettingsStore.h"
#include "editor/win32/TextConversion.h"
#include "resources/ResourceIds.h"

namespace {

constexpr Command selectionCommands[] = {copyAsCArrayCommand, copyAsPythonCommand, copyAsBase64Command,
                                         copyAsHexDumpCommand, fillCommand};

void checkInsertMode()
{
    if (editorCore.editMenu != nullptr) {
        CheckMenuItem(editorCore.editMenu, insertModeCommand,
                      MF_BYCOMMAND | (editorCore.insertMode ? MF_CHECKED : MF_UNCHECKED));
    }
}

// The pattern's bytes, or a warning and none while the dialog stays open.
// The hex reader's message repeats a pair of bytes, read in the ANSI code
// page as the Find dialogs read theirs, so that no UTF-8 character is split.
std::vector<std::uint8_t> readFillPattern(const std::string& typed)
{
    std::string text;
    narrowText(wideText(typed, CP_UTF8), CP_ACP, text);
    std::string error;
    const SearchPattern pattern = parseHexPattern(text, false, error);
    if (pattern.empty()) {
        showMessage(error.empty() ? "Type the hex bytes to fill the selection with." : error, "Invalid pattern",
                    MB_ICONWARNING);
        return {};
    }
    std::vector<std::uint8_t> bytes;
    for (const PatternByte& byte : pattern) {
        bytes.push_back(byte.value);
    }
    return bytes;
}

} // namespace

void toggleInsertMode()
{
    editorCore.insertMode = !editorCore.insertMode;
    writeFlagSetting(editorCore, settings::insertModeOn, editorCore.insertMode);
    checkInsertMode();
    requestInfoRefresh();
}

void restoreInsertMode()
{
    editorCore.insertMode = readFlagSetting(editorCore, settings::insertModeOn);
    checkInsertMode();
}

void copySelectionAs(HWND frame, Command copyAsCommand)
{
    const CopyAsForm form = copyAsCommand == copyAsCArrayCommand    ? CopyAsForm::cArray
                            : copyAsCommand == copyAsPythonCommand ? CopyAsForm::pythonBytes
                            : copyAsCommand == copyAsBase64Command ? CopyAsForm::base64
                                                                   : CopyAsForm::hexDump;
    copyWithProgress(frame, "The selection could not be copied to the clipboard.",
                     [form](ClipboardBlocks& clipboard, Progress& progress) {
                         return copyAsToClipboard(editorCore, form, clipboard, progress);
                     });
}

void fillSelectionFromDialog(HWND frame)
{
    if (!editorCore.hasSelection() || editorCore.refuseEdit()) {
        return;
    }
    std::vector<std::uint8_t> pattern;
    FieldDialog dialog;
    dialog.dialogTemplate = fillDialogTemplate;
    dialog.field = fillPatternField;
    dialog.accept = [&pattern](const std::string& text) {
        pattern = readFillPattern(text);
        return !pattern.empty();
    };
    if (runFieldDialog(frame, dialog)) {
        try {
            ProgressWindow progress(editorCore.instance, frame, "Filling the selection...");
            editorCore.fillSelection(pattern, progress);
        } catch (const std::exception&) {
            showMessage("Not enough memory to fill the selection.", "Error", MB_ICONERROR);
        }
    }
    editorCore.focusActivePane();
}

void updateEditMenu(HMENU menu)
{
    if (menu != editorCore.editMenu) {
        // The Copy As submenu opens on its own.
        if (GetMenuState(menu, copyAsCArrayCommand, MF_BYCOMMAND) == static_cast<UINT>(-1)) {
            return;
        }
    }
    const UINT state = MF_BYCOMMAND | (editorCore.hasSelection() ? MF_ENABLED : MF_GRAYED);
    for (const Command command : selectionCommands) {
        EnableMenuItem(menu, command, state);
    }
    checkInsertMode();
}
