// The Insert Characters dialog and the insertion of zero bytes.
#include "commands/win32/InsertDialog.h"

#include <string>

#include "commands/InsertCount.h"
#include "commands/win32/FieldDialog.h"
#include "document/win32/BusyCursor.h"
#include "editor/EditorCore.h"
#include "editor/win32/MessageBoxes.h"
#include "editor/win32/TextConversion.h"
#include "resources/ResourceIds.h"

namespace {

// The core's texts repeat the count as typed, in UTF-8.
void refuse(const std::string& text)
{
    showMessage(wideText(text, CP_UTF8), L"Error", MB_ICONERROR);
}

} // namespace

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
        switch (count.status) {
        case InsertCount::Status::none:
            refuse(notACountText(typed)); // empty, not a number, zero or negative
            break;
        case InsertCount::Status::outOfRange:
            refuse(countTooLargeText(typed));
            break;
        case InsertCount::Status::count:
            if (!core.canGrowBy(count.value)) {
                refuse(growthRefusalText(count.value));
            } else if (const BusyCursor busy(core.buffer.size + std::int64_t{count.value}); // the size it makes
                       !core.insertZeros(count.value)) {
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
