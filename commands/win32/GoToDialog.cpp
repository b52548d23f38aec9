// The Go to Offset dialog: it stays open until the text names an offset of
// the document, or is cancelled.
#include "commands/win32/GoToDialog.h"

#include <string>

#include "commands/OffsetText.h"
#include "commands/win32/FieldDialog.h"
#include "editor/EditorCore.h"
#include "editor/StatusLine.h"
#include "resources/ResourceIds.h"
#include "view/Placing.h"

void goToOffset(HWND frame)
{
    std::int64_t chosen = 0;
    FieldDialog dialog;
    dialog.dialogTemplate = goToDialogTemplate;
    dialog.field = goToOffsetField;
    dialog.initialText = hexDigits(editorCore.cursorOffset); // the cursor's own offset
    dialog.accept = [&chosen](const std::string& text) {
        const OffsetChoice choice = chooseOffset(text, editorCore.buffer.size);
        if (!choice.refusal.empty()) {
            editorCore.shell.tell(warningMessage(choice.refusal, "Invalid offset"));
            return false;
        }
        chosen = choice.offset;
        return true;
    };
    if (runFieldDialog(frame, dialog)) {
        goToOffset(editorCore, chosen);
    }
    editorCore.focusActivePane();
}
