#include "commands/win32/GlobalClipboard.h"

#include <cstdint>
#include <cstring>
#include <exception>
#include <limits>

#include "document/win32/ProgressWindow.h"
#include "editor/EditorCore.h"
#include "editor/win32/MessageBoxes.h"

GlobalClipboard::~GlobalClipboard()
{
    for (const Block& block : blocks_) {
        if (block.memory == nullptr) {
            continue;
        }
        if (locked_) {
            GlobalUnlock(block.memory);
        }
        GlobalFree(block.memory);
    }
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
    locked_ = false;
    if (OpenClipboard(owner_) == FALSE) {
        return false;
    }
    EmptyClipboard();
    bool handedOver = true;
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
    return handedOver;
}

UINT bytesClipboardFormat()
{
    static const UINT format = RegisterClipboardFormatA("Nibblor Bytes");
    return format;
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

CopyOutcome copyWithProgress(HWND frame, const char* failure,
                             const std::function<CopyOutcome(ClipboardBlocks&, Progress&)>& copy)
{
    CopyOutcome outcome = CopyOutcome::failed;
    try {
        GlobalClipboard clipboard(frame);
        ProgressWindow progress(editorCore.instance, frame, "Copying the selection...");
        outcome = copy(clipboard, progress);
    } catch (const std::exception&) {
        // No memory for the text's layout.
    }
    if (outcome == CopyOutcome::failed) {
        showMessage(failure, "Error", MB_ICONERROR);
    }
    editorCore.focusActivePane();
    return outcome;
}
