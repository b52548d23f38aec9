#pragma once
// The system clipboard as the core's Cut, Copy, Copy As and Paste use it.
// Writing is all or nothing: blocks of a size told beforehand, filled in
// place a step at a time, then handed over together, so that a large text is
// held once and a cancelled or failed copy leaves what the clipboard held.
// Reading takes Nibblor's own bytes format first, else the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What Paste found on the clipboard.
struct ClipboardContents {
    enum class Form {
        none,  // no clipboard to be had, or nothing on it to paste
        bytes, // Nibblor's exact bytes
        text,  // text, up to its terminator or the end of its block
    };
    Form form = Form::none;
    std::vector<std::uint8_t> bytes;
    std::string text;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Room for `length` characters of text and a terminator after them;
    // null when there is no memory for it.
    virtual char* textBlock(std::size_t length) = 0;
    // Room for `count` bytes in Nibblor's own format; null when there is no memory for it.
    virtual std::uint8_t* bytesBlock(std::size_t count) = 0;
    // The blocks written since the last hand-over or drop go to the
    // clipboard in place of what it held; false when it cannot be had or
    // cannot take them all, and then it holds none of them.
    virtual bool handOver() = 0;
    // The blocks written since the last hand-over freed, the clipboard untouched.
    virtual void dropBlocks() = 0;
    // Something Paste can take is there.
    virtual bool holdsPasteable() = 0;
    // Throws std::bad_alloc when there is no memory to hold what is there.
    virtual ClipboardContents read() = 0;
};
