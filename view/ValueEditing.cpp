#include "view/ValueEditing.h"

#include "commands/EditMessages.h"
#include "editor/EditorCore.h"
#include "view/UndoRedo.h"
#include "view/Cursor.h"

namespace {

// The bytes from the cursor to the end of the document.
std::size_t bytesAfter(const EditorCore& core)
{
    if (!cursorOnByte(core)) {
        return 0;
    }
    return static_cast<std::size_t>(core.buffer.size - core.cursorOffset);
}

} // namespace

std::string valueAtCursor(const EditorCore& core, ValueType type, bool bigEndian)
{
    const std::size_t available = bytesAfter(core);
    const ByteSpan bytes = core.buffer.span(core.cursorOffset, static_cast<std::int64_t>(available));
    return valueText(type, bytes.bytes, bytes.count, bigEndian);
}

ValueWrite writeValue(EditorCore& core, ValueType type, std::string_view text, bool bigEndian)
{
    if (core.files.refuseEdit()) {
        return ValueWrite::refused;
    }
    const ParsedValue parsed = parseValue(type, text, bigEndian);
    if (!parsed.valid()) {
        core.shell.tell(valueRefusal(parsed.error));
        return ValueWrite::invalid;
    }
    if (parsed.bytes.size() > bytesAfter(core)) {
        core.shell.tell(valueRefusal(notEnoughBytesText(type)));
        return ValueWrite::notEnoughBytes;
    }
    const auto count = static_cast<std::int32_t>(parsed.bytes.size());
    if (!recordChange(core, EditStep::Kind::overwrite, core.cursorOffset, count, parsed.bytes.data())) {
        return ValueWrite::refused;
    }
    core.buffer.overwrite(core.cursorOffset, parsed.bytes.data(), parsed.bytes.size());
    core.digitIndex = 0; // a byte half typed before is whole again
    core.repaint(Repaint::later);
    return ValueWrite::written;
}
