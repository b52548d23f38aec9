// Fill: the selected bytes overwritten with a pattern repeated, in steps, as
// one change; a cancelled fill puts back what it overwrote.
#include "editor/EditorCore.h"

#include <algorithm>

namespace {

// Bytes [from, to) of the fill written at `target + from`: the pattern's
// repeat from its place at `from`, then copies of what is written, which are
// whole repeats from that place, doubling.
void writeRepeats(const std::vector<std::uint8_t>& pattern, std::uint8_t* target, std::size_t from, std::size_t to)
{
    std::uint8_t* piece = target + from;
    const std::size_t count = to - from;
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

bool EditorCore::fillSelection(const std::vector<std::uint8_t>& pattern, Progress& progress)
{
    const ByteRange range = selectedBytes();
    if (range.count == 0 || pattern.empty() || files.refuseEdit() || !mayChange(EditStep::Kind::overwrite, range.count)) {
        return false;
    }
    const auto count = static_cast<std::size_t>(range.count);
    std::vector<std::uint8_t> replaced(count);
    std::uint8_t* target = buffer.data.get() + range.first;
    // The steps were painted as they were made.
    const auto putBack = [&](std::size_t made) {
        std::copy_n(replaced.begin(), made, target);
        repaint(Repaint::later);
        return false;
    };
    std::size_t made = 0;
    const bool filled = inSteps(count, progress, [&](std::size_t from, std::size_t to) {
        std::copy(target + from, target + to, replaced.begin() + static_cast<std::ptrdiff_t>(from));
        writeRepeats(pattern, target, from, to);
        made = to;
    });
    if (!filled || !recordOverwriteMade(range.first, range.count, replaced.data())) {
        return putBack(made);
    }
    digitIndex = 0; // a byte half typed before is whole again
    repaint(Repaint::later);
    return true;
}
