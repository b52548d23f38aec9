#pragma once
// The system clipboard's side of copying: blocks of global memory the core
// writes in place, handed to the clipboard together once they are complete.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "commands/ClipboardCopy.h"

class GlobalClipboard final : public ClipboardBlocks {
public:
    explicit GlobalClipboard(HWND owner) : owner_(owner) {}
    GlobalClipboard(const GlobalClipboard&) = delete;
    GlobalClipboard& operator=(const GlobalClipboard&) = delete;
    // Frees the blocks the clipboard did not take.
    ~GlobalClipboard() override;

    char* textBlock(std::size_t length) override;
    std::uint8_t* bytesBlock(std::size_t count) override;
    bool handOver() override;

    // A block of `size` bytes for the format, locked for writing; null when
    // there is no memory for it.
    void* block(UINT format, std::size_t size);

private:
    struct Block {
        UINT format;
        HGLOBAL memory; // null once the clipboard has it
    };
    HWND owner_;
    std::vector<Block> blocks_;
    bool locked_ = true;
};

// The format Copy and Cut put the exact bytes in: their count as 8 bytes,
// then the bytes.
UINT bytesClipboardFormat();
using ClipboardByteCount = std::uint64_t;

// Hands `size` bytes to the clipboard in the format, in place of what it held;
// false, the clipboard untouched or emptied, when no memory or no clipboard
// can be had.
bool putOnClipboard(HWND owner, UINT format, const void* data, std::size_t size);

// One of the core's copies onto the clipboard, with its progress shown; a
// failure is told with the message given.
CopyOutcome copyWithProgress(HWND frame, const char* failure,
                             const std::function<CopyOutcome(ClipboardBlocks&, Progress&)>& copy);
