// The clipboard side of Cut, Copy and Paste; the text forms are the core's.
#include "commands/win32/ClipboardCommands.h"

#include <cstring>
#include <string>

#include "editor/EditorCore.h"

namespace {

// Hands the text to the clipboard; false, the clipboard untouched or emptied,
// when no memory or no clipboard can be had.
bool putOnClipboard(HWND owner, const std::string& text)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    if (block == nullptr) {
        return false;
    }
    void* target = GlobalLock(block);
    if (target == nullptr) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(target, text.data(), text.size());
    GlobalUnlock(block);
    if (OpenClipboard(owner) == FALSE) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool handedOver = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    if (!handedOver) {
        GlobalFree(block); // still ours
    }
    return handedOver;
}

// The clipboard's text, bounded by its block; false when there is none.
bool readClipboard(HWND owner, std::string& text)
{
    if (OpenClipboard(owner) == FALSE) {
        return false;
    }
    bool read = false;
    HANDLE block = GetClipboardData(CF_TEXT);
    const char* source = block != nullptr ? static_cast<const char*>(GlobalLock(block)) : nullptr;
    if (source != nullptr) {
        text.assign(source, strnlen(source, GlobalSize(block)));
        GlobalUnlock(block);
        read = true;
    }
    CloseClipboard();
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
    if (!putOnClipboard(frame, core.copyText())) {
        MessageBoxA(nullptr, failure, "Error", MB_ICONERROR);
        return false;
    }
    return true;
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
    if (copyOrTell(frame, "The selection could not be copied to the clipboard, so it was not cut.")) {
        editorCore.removeSelectedBytes();
    }
}

void pasteClipboard(HWND frame)
{
    std::string text;
    if (!readClipboard(frame, text)) {
        return; // no clipboard, or no text on it
    }
    switch (editorCore.pasteText(text)) {
    case PasteOutcome::invalidHex:
        MessageBoxA(nullptr, "Invalid Hex string.  Paste in ASCII window", "Invalid data", MB_ICONWARNING);
        break;
    case PasteOutcome::invalidOctal:
        MessageBoxA(nullptr, "Invalid Octal string.  Paste in ASCII window.", "Invalid data", MB_ICONWARNING);
        break;
    case PasteOutcome::pasted:
    case PasteOutcome::declined:
        break;
    }
}
