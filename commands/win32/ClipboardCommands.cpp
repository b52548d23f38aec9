// The clipboard side of Cut, Copy and Paste; the text forms are the core's.
#include "commands/win32/ClipboardCommands.h"

#include <cstdint>
#include <cstring>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "commands/ClipboardCopy.h"
#include "commands/InsertCount.h"
#include "editor/EditorCore.h"
#include "editor/win32/MessageBoxes.h"

namespace {

// The clipboard's block in the format, locked, handed to `read(source,
// size)`, which says whether it took it; false when there is none. Throws
// std::bad_alloc, with the clipboard closed, when `read` had no memory.
template <class Read>
bool readClipboardBlock(HWND owner, UINT format, const Read& read)
{
    if (OpenClipboard(owner) == FALSE) {
        return false;
    }
    bool taken = false;
    bool noMemory = false;
    HANDLE block = GetClipboardData(format);
    const auto* source = block != nullptr ? static_cast<const std::uint8_t*>(GlobalLock(block)) : nullptr;
    if (source != nullptr) {
        try {
            taken = read(source, GlobalSize(block));
        } catch (const std::bad_alloc&) {
            noMemory = true; // the clipboard is given back first
        }
        GlobalUnlock(block);
    }
    CloseClipboard();
    if (noMemory) {
        throw std::bad_alloc();
    }
    return taken;
}

// Nibblor's bytes from the clipboard; false when there are none there.
bool readClipboardBytes(HWND owner, std::vector<std::uint8_t>& bytes)
{
    if (IsClipboardFormatAvailable(bytesClipboardFormat()) == FALSE) {
        return false;
    }
    return readClipboardBlock(owner, bytesClipboardFormat(), [&](const std::uint8_t* source, std::size_t size) {
        ClipboardByteCount count = 0;
        if (size < sizeof count) {
            return false;
        }
        std::memcpy(&count, source, sizeof count);
        if (count > size - sizeof count) {
            return false; // a block shorter than its count says is not ours to trust
        }
        bytes.assign(source + sizeof count, source + sizeof count + count);
        return true;
    });
}

// The clipboard's text, bounded by its block; false when there is none.
bool readClipboard(HWND owner, std::string& text)
{
    return readClipboardBlock(owner, CF_TEXT, [&](const std::uint8_t* source, std::size_t size) {
        const auto* characters = reinterpret_cast<const char*>(source);
        text.assign(characters, strnlen(characters, size));
        return true;
    });
}

} // namespace

void copySelection(HWND frame)
{
    copyWithProgress(frame, "The selection could not be copied to the clipboard.",
                     [](ClipboardBlocks& clipboard, Progress& progress) {
                         return copyToClipboard(editorCore, clipboard, progress);
                     });
}

void cutSelection(HWND frame)
{
    copyWithProgress(frame, "The selection could not be copied to the clipboard, so it was not cut.",
                     [](ClipboardBlocks& clipboard, Progress& progress) {
                         return cutToClipboard(editorCore, clipboard, progress);
                     });
}

void pasteClipboard(HWND frame)
{
    PasteOutcome outcome = PasteOutcome::declined;
    try {
        std::vector<std::uint8_t> bytes;
        std::string text;
        if (readClipboardBytes(frame, bytes)) {
            outcome = editorCore.pasteBytes(bytes.data(), bytes.size());
        } else if (readClipboard(frame, text)) {
            outcome = editorCore.pasteText(text);
        } else {
            return; // no clipboard, or nothing on it to paste
        }
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
    case PasteOutcome::cutShort:
        showMessage(pasteLeftOutText(editorCore.pasteLeftOut), "Paste", MB_ICONINFORMATION);
        break;
    case PasteOutcome::tooLarge:
        showMessage(growthRefusalText(editorCore.pasteLeftOut), "Error", MB_ICONERROR);
        break;
    case PasteOutcome::pasted:
    case PasteOutcome::declined:
        break;
    }
}
