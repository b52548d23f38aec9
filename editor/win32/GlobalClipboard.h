#pragma once
// The system clipboard behind the core's Clipboard seam: blocks of global
// memory the core writes in place, handed to the clipboard together once they
// are complete; Paste's reading, Nibblor's bytes format before CF_TEXT.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "editor/Clipboard.h"

class GlobalClipboard final : public Clipboard {
public:
    // Opened for `owner`; for the editor's frame when none is given.
    explicit GlobalClipboard(HWND owner = nullptr) : owner_(owner) {}
    GlobalClipboard(const GlobalClipboard&) = delete;
    GlobalClipboard& operator=(const GlobalClipboard&) = delete;
    ~GlobalClipboard() override { dropBlocks(); }

    char* textBlock(std::size_t length) override;
    std::uint8_t* bytesBlock(std::size_t count) override;
    bool handOver() override;
    void dropBlocks() override;
    bool holdsPasteable() override;
    ClipboardContents read() override;

    // A block of `size` bytes for the format, locked for writing; null when
    // there is no memory for it.
    void* block(UINT format, std::size_t size);

private:
    struct Block {
        UINT format;
        HGLOBAL memory;
    };
    HWND owner() const;

    HWND owner_;
    std::vector<Block> blocks_; // locked until handed over
};

// The editor's clipboard.
Clipboard& win32Clipboard();

// Hands `size` bytes to the clipboard in the format, in place of what it held;
// false, the clipboard untouched or emptied, when no memory or no clipboard
// can be had. For text a dialog copies of its own.
bool putOnClipboard(HWND owner, UINT format, const void* data, std::size_t size);
