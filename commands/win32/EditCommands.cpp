// Insert Mode and Fill Selection: each decodes what the user chose and calls
// one core operation.
#include "commands/win32/EditCommands.h"

#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "commands/EditMessages.h"
#include "commands/Fill.h"
#include "commands/win32/FieldDialog.h"
#include "commands/win32/InfoPanels.h"
#include "commands/win32/MenuBar.h"
#include "document/win32/ProgressWindow.h"
#include "editor/EditorCore.h"
#include "editor/Settings.h"
#include "editor/win32/SettingsStore.h"
#include "editor/win32/TextConversion.h"
#include "resources/ResourceIds.h"

namespace {

// The pattern's bytes, or a warning and none while the dialog stays open.
// The text is read in the ANSI code page, as the Find dialogs read theirs, so
// that the reader's reason, which repeats a pair of bytes, splits no character.
std::vector<std::uint8_t> readFillPattern(const std::string& typed)
{
    std::string text;
    narrowText(wideText(typed, CP_UTF8), CP_ACP, text);
    std::string reason;
    std::vector<std::uint8_t> bytes = fillPatternBytes(text, reason);
    if (bytes.empty()) {
        editorCore.shell.tell(fillPatternRefusal(wideText(reason, CP_ACP)));
    }
    return bytes;
}

} // namespace

void toggleInsertMode()
{
    writeFlagSetting(editorCore, settings::insertModeOn, editorCore.typing.toggle());
    requestInfoRefresh();
}

void restoreInsertMode()
{
    editorCore.typing.setInserting(readFlagSetting(editorCore, settings::insertModeOn));
    showMenuStates();
}

void fillSelectionFromDialog(HWND frame)
{
    if (!canFill(editorCore)) {
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
        ProgressWindow progress(editorCore.instance, frame, "Filling the selection...");
        fillSelection(editorCore, pattern, progress);
    }
    editorCore.focusActivePane();
}
