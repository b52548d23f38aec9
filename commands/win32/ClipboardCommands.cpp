// The clipboard side of Cut, Copy and Paste; the text forms are the core's.
#include "commands/win32/ClipboardCommands.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <initializer_list>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "commands/InsertCount.h"
#include "editor/EditorCore.h"
#include "editor/win32/MessageBoxes.h"

namespace {

using ByteCount = std::uint64_t; // the head of the bytes format's block

// One format's block for the clipboard, filled from the parts in turn; none
// when there is no memory for it.
struct ClipboardPart {
    const void* data;
    std::size_t size;
};

HGLOBAL blockOf(std::initializer_list<ClipboardPart> parts)
{
    std::size_t size = 0;
    for (const ClipboardPart& part : parts) {
        size += part.size;
    }
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (block == nullptr) {
        return nullptr;
    }
    auto* target = static_cast<std::uint8_t*>(GlobalLock(block));
    if (target == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    for (const ClipboardPart& part : parts) {
        std::memcpy(target, part.data, part.size);
        target += part.size;
    }
    GlobalUnlock(block);
    return block;
}

// The blocks handed to the clipboard together, in place of what it held;
// false, none of them handed over, when one is missing or no clipboard can be had.
bool handOver(HWND owner, std::initializer_list<std::pair<UINT, HGLOBAL>> blocks)
{
    const bool complete = std::all_of(blocks.begin(), blocks.end(), [](const auto& b) { return b.second != nullptr; });
    if (!complete || OpenClipboard(owner) == FALSE) {
        for (const auto& b : blocks) {
            GlobalFree(b.second); // still ours
        }
        return false;
    }
    EmptyClipboard();
    bool handedOver = true;
    for (const auto& [format, block] : blocks) {
        if (SetClipboardData(format, block) == nullptr) {
            GlobalFree(block);
            handedOver = false;
        }
    }
    if (!handedOver) {
        EmptyClipboard(); // never half of what was copied
    }
    CloseClipboard();
    return handedOver;
}

} // namespace

bool putOnClipboard(HWND owner, UINT format, const void* data, std::size_t size)
{
    return handOver(owner, {{format, blockOf({{data, size}})}});
}

UINT bytesClipboardFormat()
{
    static const UINT format = RegisterClipboardFormatA("Nibblor Bytes");
    return format;
}

namespace {

// The selection's text for every program, and its exact bytes for Nibblor.
bool putSelectionOnClipboard(HWND owner, const std::string& text)
{
    const ByteRange range = editorCore.selectedBytes();
    const ByteCount count = static_cast<ByteCount>(range.count);
    const std::uint8_t* bytes = editorCore.buffer.data.get() + range.first;
    return handOver(owner, {{CF_TEXT, blockOf({{text.c_str(), text.size() + 1}})},
                            {bytesClipboardFormat(), blockOf({{&count, sizeof count},
                                                              {bytes, static_cast<std::size_t>(range.count)}})}});
}

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
        ByteCount count = 0;
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
        copied = putSelectionOnClipboard(frame, core.copyText());
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
