// The Go to Offset dialog: it stays open until the text names an offset of
// the document, or is cancelled.
#include "commands/win32/GoToDialog.h"

#include <cstdio>
#include <string>

#include "commands/OffsetText.h"
#include "commands/win32/FieldDialog.h"
#include "editor/EditorCore.h"
#include "editor/win32/MessageBoxes.h"
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

void goToOffset(HWND frame)
{
    std::int64_t chosen = 0;
    FieldDialog dialog;
    dialog.dialogTemplate = goToDialogTemplate;
    dialog.field = goToOffsetField;
    dialog.initialText = hexText(editorCore.cursorOffset); // the cursor's own offset
    dialog.accept = [&chosen](const std::string& text) {
        const OffsetText offset = parseOffset(text);
        const std::int64_t size = editorCore.buffer.size;
        if (!offset.valid) {
            warn("\"" + text + "\" is not an offset: type it in hexadecimal, or # and a decimal number.");
        } else if (offset.value > size) {
            warn("Offset " + hexText(offset.value) + " is past the end of the document, which ends at " +
                 hexText(size) + ".");
        } else {
            chosen = offset.value;
        }
        return offset.valid && offset.value <= size;
    };
    if (runFieldDialog(frame, dialog)) {
        editorCore.goToOffset(chosen);
    }
    editorCore.focusActivePane();
}
