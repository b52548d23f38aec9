// Copy, Cut and Copy As: what goes on the clipboard, written in steps into
// blocks the shell hands over only once they are complete.
#include "commands/ClipboardCopy.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <limits>

#include "commands/EditMessages.h"
#include "editor/EditorCore.h"
#include "text/ByteTextCodec.h"
#include "view/Editing.h"
#include "view/Selection.h"

namespace {

constexpr std::uint64_t megabyte = 1000 * 1000;
constexpr std::uint64_t megabytesInGigabyte = 1000;
constexpr std::uint64_t tenth = 10;

// The text's size as people read it: "662 MB", "13.5 GB".
std::string sizeInWords(std::uint64_t length)
{
    const std::uint64_t megabytes = (length + megabyte / 2) / megabyte;
    if (megabytes < megabytesInGigabyte) {
        return std::to_string(megabytes) + " MB";
    }
    const std::uint64_t tenths = (megabytes * tenth + megabytesInGigabyte / 2) / megabytesInGigabyte;
    return std::to_string(tenths / tenth) + "." + std::to_string(tenths % tenth) + " GB";
}

const char* formName(CopyAsForm form)
{
    switch (form) {
    case CopyAsForm::cArray:
        return "The C array";
    case CopyAsForm::pythonBytes:
        return "The Python bytes literal";
    case CopyAsForm::base64:
        return "The Base64 text";
    case CopyAsForm::hexDump:
        return "The hex dump";
    }
    return "The text";
}

// More text, with its terminator, than this system can address.
bool beyondMemory(const PiecewiseText& text)
{
    return text.length >= std::numeric_limits<std::size_t>::max();
}

// The blocks written to the clipboard, dropped unless handed over.
class ClipboardWriting {
public:
    explicit ClipboardWriting(Clipboard& clipboard) : clipboard_(clipboard) {}
    ClipboardWriting(const ClipboardWriting&) = delete;
    ClipboardWriting& operator=(const ClipboardWriting&) = delete;
    ~ClipboardWriting()
    {
        if (!handedOver_) {
            clipboard_.dropBlocks();
        }
    }

    bool handOver()
    {
        handedOver_ = true; // the clipboard keeps no block it could not take
        return clipboard_.handOver();
    }

private:
    Clipboard& clipboard_;
    bool handedOver_ = false;
};

// The text, and the bytes themselves unless null, written into the
// clipboard's blocks a step of the `count` bytes at a time, then handed over.
CopyOutcome writeInSteps(const PiecewiseText& text, const std::uint8_t* bytes, std::size_t count,
                         Clipboard* clipboard, Progress& progress)
{
    if (beyondMemory(text) || clipboard == nullptr) {
        return CopyOutcome::failed;
    }
    ClipboardWriting writing(*clipboard);
    char* textBlock = clipboard->textBlock(static_cast<std::size_t>(text.length));
    std::uint8_t* bytesBlock = bytes != nullptr ? clipboard->bytesBlock(count) : nullptr;
    if (textBlock == nullptr || (bytes != nullptr && bytesBlock == nullptr)) {
        return CopyOutcome::failed;
    }
    const bool written = inSteps(count, progress, [&](std::size_t from, std::size_t to) {
        if (from < text.byteCount) {
            text.write(textBlock, from, std::min(to, text.byteCount));
        }
        if (bytesBlock != nullptr) {
            std::copy(bytes + from, bytes + to, bytesBlock + from);
        }
    });
    if (!written) {
        return CopyOutcome::cancelled;
    }
    return writing.handOver() ? CopyOutcome::copied : CopyOutcome::failed;
}

// What `write` did, failed when there was no memory for the text's layout; a
// failure told as the Copy's or the Cut's.
template <class Write>
CopyOutcome tellingFailure(EditorCore& core, bool cutting, const Write& write)
{
    CopyOutcome outcome = CopyOutcome::failed;
    try {
        outcome = write();
    } catch (const std::exception&) {
        outcome = CopyOutcome::failed;
    }
    if (outcome == CopyOutcome::failed) {
        core.shell.tell(copyFailure(cutting));
    }
    return outcome;
}

// The selection's text and exact bytes on the clipboard, the selection kept.
CopyOutcome putSelection(EditorCore& core, Progress& progress, bool cutting)
{
    if (!core.hasSelection()) {
        return CopyOutcome::nothing;
    }
    return tellingFailure(core, cutting, [&] {
        const ByteRange range = selectedBytes(core);
        return writeInSteps(copyTextPieces(core), core.buffer.span(range.first, range.count).bytes,
                            static_cast<std::size_t>(range.count), core.shell.clipboard, progress);
    });
}

} // namespace

PiecewiseText copyTextPieces(const EditorCore& core)
{
    const ByteRange range = selectedBytes(core);
    const std::uint8_t* bytes = core.buffer.span(range.first, range.count).bytes;
    const auto count = static_cast<std::size_t>(range.count);
    if (core.activePane == EditorCore::asciiPaneActive) {
        // The clipboard's text ends at the first zero byte.
        const void* zero = count > 0 ? std::memchr(bytes, 0, count) : nullptr;
        const std::size_t length =
            zero == nullptr ? count : static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - bytes);
        auto write = [bytes](char* text, std::size_t from, std::size_t to) {
            std::copy(bytes + from, bytes + to, text + from);
        };
        return {length, length, write};
    }
    const bool octal = core.octalMode != 0;
    const std::size_t cellWidth = octal ? octalCellWidth : hexCellWidth;
    // The formatters end with a terminator, which the next piece overwrites.
    auto write = [bytes, octal, cellWidth](char* text, std::size_t from, std::size_t to) {
        const auto pieceCount = static_cast<int>(to - from);
        (octal ? formatOctal : formatHex)(text + from * cellWidth, bytes + from, pieceCount);
    };
    return {std::uint64_t{count} * cellWidth, count, write};
}

std::string copyAsQuestion(CopyAsForm form, std::uint64_t length)
{
    return std::string(formName(form)) + " would be " + sizeInWords(length) + " of text. Copy it anyway?";
}

CopyOutcome copyToClipboard(EditorCore& core, Progress& progress)
{
    const CopyOutcome outcome = putSelection(core, progress, false);
    if (outcome == CopyOutcome::copied) {
        forgetSelection(core);
        core.repaint(Repaint::later);
    }
    return outcome;
}

CopyOutcome cutToClipboard(EditorCore& core, Progress& progress)
{
    if (core.hasSelection() && core.files.refuseEdit()) {
        return CopyOutcome::nothing; // a read-only document keeps its bytes, and the clipboard its text
    }
    const CopyOutcome outcome = putSelection(core, progress, true);
    if (outcome == CopyOutcome::copied) {
        deleteAndUnselect(core);
    }
    return outcome;
}

CopyOutcome copyAsToClipboard(EditorCore& core, CopyAsForm form, Progress& progress)
{
    const ByteRange range = selectedBytes(core);
    if (range.count == 0) {
        return CopyOutcome::nothing;
    }
    return tellingFailure(core, false, [&] {
        const auto count = static_cast<std::size_t>(range.count);
        const PiecewiseText text = copyAsPieces(form, core.buffer.span(range.first, range.count).bytes, count, range.first);
        // Past the memory there is no use asking.
        if (!beyondMemory(text) && text.length > copyAsQuestionLength &&
            !core.shell.confirm(wideFromUtf8(copyAsQuestion(form, text.length)))) {
            return CopyOutcome::declined;
        }
        return writeInSteps(text, nullptr, count, core.shell.clipboard, progress);
    });
}
