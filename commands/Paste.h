#pragma once
// Paste: the clipboard's bytes written over the document from the cursor on,
// or inserted there in insert mode.
#include <cstddef>
#include <cstdint>
#include <string_view>

struct EditorCore;

enum class PasteOutcome {
    pasted,       // written over the document, or inserted in insert mode
    cutShort,     // written as far as the document reaches; the rest was left out
    tooLarge,     // an insertion past the 32-bit size: nothing changed
    invalidHex,   // the hex pane's text is no hexadecimal text: nothing changed
    invalidOctal, // the same in the octal view
    declined,     // a read-only document, or too large to undo and the user chose not to: nothing changed
    empty,        // nothing on the clipboard to paste
    noMemory,     // no memory for what the clipboard holds: nothing changed
};

struct PasteResult {
    PasteOutcome outcome = PasteOutcome::declined;
    // The bytes left out: past the document's end when it overwrote, all of
    // them when their insertion was refused for its size.
    std::int64_t leftOut = 0;
};

// The text parsed as the pane and view read it and written over the document
// from the cursor on, never growing it; the cursor ends just after the last
// byte written, and the view follows it when it went below. Throws
// std::bad_alloc, changing nothing, when there is no memory to parse it.
PasteResult pasteText(EditorCore& core, std::string_view text);
// The same for bytes taken as they are (Nibblor's own clipboard format). In
// insert mode they go in before the cursor's byte instead, growing the
// document; the cursor ends just after them. Throws std::bad_alloc, changing
// nothing, when the memory for inserted bytes cannot be had.
PasteResult pasteBytes(EditorCore& core, const std::uint8_t* bytes, std::size_t count);
// Paste: Nibblor's bytes from the clipboard, or else its text, as above; the
// user told what was left out, or why nothing was pasted.
PasteResult pasteFromClipboard(EditorCore& core);
// Something on the clipboard Paste can take.
bool canPaste(const EditorCore& core);
