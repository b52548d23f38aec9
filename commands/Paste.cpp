// Paste: text parsed as the pane reads it, or Nibblor's exact bytes, written
// over the document or inserted; the clipboard itself is the shell's.
#include "commands/Paste.h"

#include <algorithm>
#include <exception>
#include <new>
#include <string>

#include "commands/EditMessages.h"
#include "editor/EditorCore.h"
#include "text/ByteTextCodec.h"
#include "view/Editing.h"
#include "view/UndoRedo.h"
#include "editor/ScrollBar.h"
#include "view/Placing.h"
#include "view/Scrolling.h"

namespace {

// Insert mode's Paste. Throws std::bad_alloc, changing nothing, when the
// memory for the bytes cannot be had.
PasteResult insertPasted(EditorCore& core, const std::uint8_t* pasted, std::size_t count)
{
    if (count == 0) {
        showPasteEnd(core, core.cursorOffset); // as an empty overwriting paste
        return {PasteOutcome::pasted, 0};
    }
    if (!canGrowBy(core, static_cast<std::int64_t>(count))) {
        return {PasteOutcome::tooLarge, static_cast<std::int64_t>(count)};
    }
    const auto length = static_cast<std::int32_t>(count);
    const std::int32_t at = std::clamp(core.cursorOffset, 0, std::max(core.buffer.size, 0));
    if (!core.buffer.insert(at, pasted, length)) {
        throw std::bad_alloc();
    }
    if (!recordInsertionOf(core, at, pasted, length, false)) {
        core.buffer.remove(at, length); // the user kept the document as it was
        return {PasteOutcome::declined, 0};
    }
    showRowsFrom(core, core.firstVisibleRow);
    syncScrollBar(core, core.firstVisibleRow);
    core.layout.followLabelWidth();
    showPasteEnd(core, at + length);
    return {PasteOutcome::pasted, 0};
}

} // namespace

PasteResult pasteText(EditorCore& core, std::string_view text)
{
    if (core.activePane == EditorCore::asciiPaneActive) {
        return pasteBytes(core, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    }
    if (core.files.refuseEdit()) {
        return {PasteOutcome::declined, 0};
    }
    const bool octal = core.octalMode != 0;
    const ParsedNumbers parsed = parseNumberText(text, octal);
    if (parsed.count == 0) {
        // Invalid, or no digits at all: nothing changes.
        return {octal ? PasteOutcome::invalidOctal : PasteOutcome::invalidHex, 0};
    }
    return pasteBytes(core, parsed.area.data(), static_cast<std::size_t>(parsed.count));
}

PasteResult pasteBytes(EditorCore& core, const std::uint8_t* pasted, std::size_t count)
{
    if (core.files.refuseEdit()) {
        return {PasteOutcome::declined, 0};
    }
    if (core.typing.inserting()) {
        return insertPasted(core, pasted, count);
    }
    // What the document holds from the cursor on: it never grows.
    const std::int32_t cursor = core.cursorOffset;
    const std::int64_t room = cursor >= 0 ? static_cast<std::int64_t>(core.buffer.size) - cursor : 0;
    const auto fitting = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(count), 0, std::max<std::int64_t>(room, 0)));
    if (!recordChange(core, EditStep::Kind::overwrite, cursor, fitting, pasted)) {
        return {PasteOutcome::declined, 0};
    }
    const std::int32_t written = core.buffer.overwrite(cursor, pasted, count);
    const std::int64_t leftOut = static_cast<std::int64_t>(count) - written;
    showPasteEnd(core, cursor + written);
    return {leftOut > 0 ? PasteOutcome::cutShort : PasteOutcome::pasted, leftOut};
}

PasteResult pasteFromClipboard(EditorCore& core)
{
    PasteResult result{PasteOutcome::empty, 0};
    try {
        const ClipboardContents held =
            core.shell.clipboard != nullptr ? core.shell.clipboard->read() : ClipboardContents{};
        if (held.form == ClipboardContents::Form::bytes) {
            result = pasteBytes(core, held.bytes.data(), held.bytes.size());
        } else if (held.form == ClipboardContents::Form::text) {
            result = pasteText(core, held.text);
        }
    } catch (const std::exception&) {
        result = {PasteOutcome::noMemory, 0};
    }
    if (const std::optional<Message> message = pasteMessage(result)) {
        core.shell.tell(*message);
    }
    return result;
}

bool canPaste(const EditorCore& core)
{
    return core.shell.clipboard != nullptr && core.shell.clipboard->holdsPasteable();
}

