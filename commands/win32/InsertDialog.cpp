// The Insert Characters dialog: it reads the count, which the core inserts or refuses.
#include "commands/win32/InsertDialog.h"

#include <string>

#include "commands/InsertCount.h"
#include "commands/win32/FieldDialog.h"
#include "document/win32/BusyCursor.h"
#include "editor/EditorCore.h"
#include "resources/ResourceIds.h"

void insertCharacters(HWND frame)
{
    EditorCore& core = editorCore;
    if (core.files.refuseEdit()) {
        return; // not even the dialog: nothing could be inserted
    }
    // Only its own buttons close it: Enter and Escape do nothing. The count is judged once it has closed.
    std::string typed;
    FieldDialog dialog;
    dialog.dialogTemplate = insertDialogTemplate;
    dialog.field = insertCountField;
    dialog.accept = [&typed](const std::string& text) {
        typed = text;
        return true;
    };
    dialog.okButton = insertOkButton;
    dialog.cancelButton = insertCancelButton;
    if (runFieldDialog(frame, dialog)) {
        const InsertCount count = parseInsertCount(typed);
        const BusyCursor busy(core.buffer.size + std::int64_t{count.value}); // the size it makes
        insertCounted(core, count, typed);
    }
    // The dialog's owner had the keyboard last; the active pane takes it back.
    core.focusActivePane();
}
