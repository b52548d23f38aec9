#include "editor/win32/GlobalClipboard.h"

#include <cstring>
#include <limits>
#include <new>

#include "editor/EditorCore.h"

namespace {

// The format Copy and Cut put the exact bytes in: their count as 8 bytes,
// then the bytes.
using ClipboardByteCount = std::uint64_t;

UINT bytesClipboardFormat()
{
    static const UINT format = RegisterClipboardFormatA("Nibblor Bytes");
    return format;
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
bool readClipboardText(HWND owner, std::string& text)
{
    return readClipboardBlock(owner, CF_TEXT, [&](const std::uint8_t* source, std::size_t size) {
        const auto* characters = reinterpret_cast<const char*>(source);
        text.assign(characters, strnlen(characters, size));
        return true;
    });
}

} // namespace

HWND GlobalClipboard::owner() const
{
    return owner_ != nullptr ? owner_ : editorCore.frameWindow;
}

void* GlobalClipboard::block(UINT format, std::size_t size)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) {
        return nullptr;
    }
    void* place = GlobalLock(memory);
    if (place == nullptr) {
        GlobalFree(memory);
        return nullptr;
    }
    blocks_.push_back({format, memory});
    return place;
}

char* GlobalClipboard::textBlock(std::size_t length)
{
    if (length == std::numeric_limits<std::size_t>::max()) {
        return nullptr; // no room for the terminator
    }
    auto* text = static_cast<char*>(block(CF_TEXT, length + 1));
    if (text != nullptr) {
        text[length] = '\0';
    }
    return text;
}

std::uint8_t* GlobalClipboard::bytesBlock(std::size_t count)
{
    if (count > std::numeric_limits<std::size_t>::max() - sizeof(ClipboardByteCount)) {
        return nullptr;
    }
    auto* head = static_cast<std::uint8_t*>(block(bytesClipboardFormat(), sizeof(ClipboardByteCount) + count));
    if (head == nullptr) {
        return nullptr;
    }
    const ClipboardByteCount written = count;
    std::memcpy(head, &written, sizeof written);
    return head + sizeof written;
}

bool GlobalClipboard::handOver()
{
    for (const Block& block : blocks_) {
        GlobalUnlock(block.memory);
    }
    bool handedOver = OpenClipboard(owner()) != FALSE;
    if (handedOver) {
        EmptyClipboard();
        for (Block& block : blocks_) {
            if (SetClipboardData(block.format, block.memory) != nullptr) {
                block.memory = nullptr; // the clipboard's now
            } else {
                handedOver = false;
            }
        }
        if (!handedOver) {
            EmptyClipboard(); // never half of what was copied
        }
        CloseClipboard();
    }
    for (const Block& block : blocks_) {
        if (block.memory != nullptr) {
            GlobalFree(block.memory);
        }
    }
    blocks_.clear();
    return handedOver;
}

void GlobalClipboard::dropBlocks()
{
    for (const Block& block : blocks_) {
        GlobalUnlock(block.memory);
        GlobalFree(block.memory);
    }
    blocks_.clear();
}

bool GlobalClipboard::holdsPasteable()
{
    return IsClipboardFormatAvailable(CF_TEXT) != FALSE || IsClipboardFormatAvailable(bytesClipboardFormat()) != FALSE;
}

ClipboardContents GlobalClipboard::read()
{
    ClipboardContents contents;
    if (readClipboardBytes(owner(), contents.bytes)) {
        contents.form = ClipboardContents::Form::bytes;
    } else if (readClipboardText(owner(), contents.text)) {
        contents.form = ClipboardContents::Form::text;
    }
    return contents;
}

Clipboard& win32Clipboard()
{
    static GlobalClipboard clipboard;
    return clipboard;
}

bool putOnClipboard(HWND owner, UINT format, const void* data, std::size_t size)
{
    GlobalClipboard clipboard(owner);
    void* place = clipboard.block(format, size);
    if (place == nullptr) {
        return false;
    }
    std::memcpy(place, data, size);
    return clipboard.handOver();
}
