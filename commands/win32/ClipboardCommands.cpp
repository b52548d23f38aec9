// The clipboard side of Cut, Copy and Paste; the text forms are the core's.
#include "commands/win32/ClipboardCommands.h"

#include <cstring>
#include <exception>
#include <new>
#include <string>

#include "editor/EditorCore.h"
#include "editor/win32/MessageBoxes.h"

bool putOnClipboard(HWND owner, UINT format, const void* data, std::size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (block == nullptr) {
        return false;
    }
    void* target = GlobalLock(block);
    if (target == nullptr) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(block);
    if (OpenClipboard(owner) == FALSE) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool handedOver = SetClipboardData(format, block) != nullptr;
    CloseClipboard();
    if (!handedOver) {
        GlobalFree(block); // still ours
    }
    return handedOver;
}

namespace {

bool putOnClipboard(HWND owner, const std::string& text)
{
    return putOnClipboard(owner, CF_TEXT, text.c_str(), text.size() + 1);
}

// The clipboard's text, bounded by its block; false when there is none.
// Throws std::bad_alloc, with the clipboard closed, when it cannot be held.
bool readClipboard(HWND owner, std::string& text)
{
    if (OpenClipboard(owner) == FALSE) {
        return false;
    }
    bool read = false;
    bool noMemory = false;
    HANDLE block = GetClipboardData(CF_TEXT);
    const char* source = block != nullptr ? static_cast<const char*>(GlobalLock(block)) : nullptr;
    if (source != nullptr) {
        try {
            text.assign(source, strnlen(source, GlobalSize(block)));
            read = true;
        } catch (const std::bad_alloc&) {
            noMemory = true; // the clipboard is given back first
        }
        GlobalUnlock(block);
    }
    CloseClipboard();
    if (noMemory) {
        throw std::bad_alloc();
    }
    return read;
}

// The selection's text onto the clipboard; false, after telling the user
// why, when there is no selection or it could not be put there.
bool copyOrTell(HWND frame, const char* failure)
{
    const EditorCore& core = editorCore;
    if (!core.hasSelection()) {
        return false;
    }
    bool copied = false;
    try {
        copied = putOnClipboard(frame, core.copyText());
    } catch (const std::exception&) {
        // No memory for the text of a very large selection.
    }
    if (!copied) {
        showMessage(failure, "Error", MB_ICONERROR);
    }
    return copied;
}

} // namespace

void copySelection(HWND frame)
{
    if (copyOrTell(frame, "The selection could not be copied to the clipboard.")) {
        editorCore.clearSelection();
        editorCore.repaint(Repaint::later);
    }
}

void cutSelection(HWND frame)
{
    if (editorCore.hasSelection() && editorCore.refuseEdit()) {
        return; // a read-only document keeps its bytes, and the clipboard its text
    }
    if (copyOrTell(frame, "The selection could not be copied to the clipboard, so it was not cut.")) {
        editorCore.removeSelectedBytes();
    }
}

void pasteClipboard(HWND frame)
{
    PasteOutcome outcome = PasteOutcome::declined;
    try {
        std::string text;
        if (!readClipboard(frame, text)) {
            return; // no clipboard, or no text on it
        }
        outcome = editorCore.pasteText(text);
    } catch (const std::exception&) {
        showMessage("Not enough memory to paste the clipboard's text.", "Error", MB_ICONERROR);
        return;
    }
    switch (outcome) {
    case PasteOutcome::invalidHex:
        showMessage("Invalid Hex string.  Paste in ASCII window", "Invalid data", MB_ICONWARNING);
        break;
    case PasteOutcome::invalidOctal:
        showMessage("Invalid Octal string.  Paste in ASCII window.", "Invalid data", MB_ICONWARNING);
        break;
    case PasteOutcome::pasted:
    case PasteOutcome::declined:
        break;
    }
}
