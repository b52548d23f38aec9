#pragma once
// Copy, Cut and Copy As onto the clipboard: the text is sized first, then
// written in steps straight into the clipboard's own block, so that a large
// selection's text is held once. Cancelled or failed, the clipboard keeps
// what it had and the document stays as it is.
#include <cstddef>
#include <cstdint>
#include <string>

#include "commands/CopyAs.h"
#include "commands/PiecewiseText.h"
#include "document/Progress.h"
#include "editor/EditorCore.h"

// The clipboard as the shell has it: blocks of a size told beforehand,
// filled in place, then handed over together. Blocks not handed over are
// freed with it.
class ClipboardBlocks {
public:
    virtual ~ClipboardBlocks() = default;
    // Room for `length` characters of text and a terminator after them;
    // null when there is no memory for it.
    virtual char* textBlock(std::size_t length) = 0;
    // Room for `count` bytes in Nibblor's own format; null when there is no memory for it.
    virtual std::uint8_t* bytesBlock(std::size_t count) = 0;
    // The blocks handed to the clipboard, in place of what it held; false
    // when it cannot be had or cannot take them all, and then it holds
    // none of them.
    virtual bool handOver() = 0;
};

enum class CopyOutcome {
    copied,    // on the clipboard, in place of what it held
    nothing,   // no selection, or a read-only document refused the Cut
    declined,  // the user chose not to copy a text that large
    cancelled, // stopped midway: the clipboard keeps what it had
    failed,    // no memory or no clipboard for it: nothing cut
};

// Copy As asks before it writes more text than this.
constexpr std::uint64_t copyAsQuestionLength = std::uint64_t{64} << 20;

// Copy's text of the selected bytes: in the hex pane their hexadecimal or
// octal numbers; in the ASCII pane the bytes themselves, up to the first zero byte.
PiecewiseText copyTextPieces(const EditorCore& core);

// "The C array would be 662 MB of text. Copy it anyway?"
std::string copyAsQuestion(CopyAsForm form, std::uint64_t length);

// Copy: the selection's text, and its exact bytes in Nibblor's own format;
// once they are on the clipboard the selection goes.
CopyOutcome copyToClipboard(EditorCore& core, ClipboardBlocks& clipboard, Progress& progress);
// Cut: the same, then the selected bytes removed.
CopyOutcome cutToClipboard(EditorCore& core, ClipboardBlocks& clipboard, Progress& progress);
// Copy As: the selection as text of the form, put to the user first when
// it is longer than copyAsQuestionLength.
CopyOutcome copyAsToClipboard(EditorCore& core, CopyAsForm form, ClipboardBlocks& clipboard, Progress& progress);
