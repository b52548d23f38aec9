// Fill: the selected bytes overwritten with a pattern repeated, in steps, as
// one change; a cancelled fill puts back what it overwrote.
#include "commands/Fill.h"

#include <algorithm>
#include <new>

#include "commands/EditMessages.h"
#include "document/PatternSearch.h"
#include "editor/EditorCore.h"
#include "view/Editing.h"
#include "view/UndoRedo.h"

namespace {

// `count` bytes of the fill from its byte `from` on, written at `piece`: the
// pattern's repeat from its place at `from`, then copies of what is written,
// which are whole repeats from that place, doubling.
void writeRepeats(const std::vector<std::uint8_t>& pattern, std::size_t from, std::uint8_t* piece, std::size_t count)
{
    std::size_t done = std::min(pattern.size(), count);
    for (std::size_t i = 0; i < done; ++i) {
        piece[i] = pattern[(from + i) % pattern.size()];
    }
    while (done < count) {
        const std::size_t more = std::min(done, count - done);
        std::copy_n(piece, more, piece + done);
        done += more;
    }
}

} // namespace

bool canFill(EditorCore& core)
{
    return core.hasSelection() && !core.files.refuseEdit();
}

std::vector<std::uint8_t> fillPatternBytes(const std::string& hexText, std::string& reason)
{
    std::vector<std::uint8_t> bytes;
    for (const PatternByte& byte : parseHexPattern(hexText, false, reason)) {
        bytes.push_back(byte.value);
    }
    return bytes;
}

bool fillSelection(EditorCore& core, const std::vector<std::uint8_t>& pattern, Progress& progress)
{
    const ByteRange range = selectedBytes(core);
    if (range.count == 0 || pattern.empty() || core.files.refuseEdit() ||
        !mayChange(core, EditStep::Kind::overwrite, range.count)) {
        return false;
    }
    const auto count = static_cast<std::size_t>(range.count);
    std::vector<std::uint8_t> replaced;
    std::vector<std::uint8_t> step;
    try {
        replaced.resize(count);
        step.resize(std::min(count, progressStep));
    } catch (const std::bad_alloc&) {
        core.shell.tell(noMemoryToFill());
        return false;
    }
    FileBuffer& buffer = core.buffer;
    // The steps were painted as they were made.
    const auto putBack = [&](std::size_t made) {
        buffer.replace(range.first, static_cast<std::int64_t>(made), replaced.data(), static_cast<std::int64_t>(made));
        core.repaint(Repaint::later);
        return false;
    };
    std::size_t made = 0;
    const bool filled = inSteps(count, progress, [&](std::size_t from, std::size_t to) {
        const auto length = static_cast<std::int64_t>(to - from);
        const ByteSpan before = buffer.span(range.first + static_cast<std::int64_t>(from), length);
        std::copy(before.begin(), before.end(), replaced.begin() + static_cast<std::ptrdiff_t>(from));
        writeRepeats(pattern, from, step.data(), to - from);
        buffer.replace(range.first + static_cast<std::int64_t>(from), length, step.data(), length);
        made = to;
    });
    if (!filled || !recordOverwriteMade(core, range.first, range.count, replaced.data())) {
        return putBack(made);
    }
    core.digitIndex = 0; // a byte half typed before is whole again
    core.repaint(Repaint::later);
    return true;
}
