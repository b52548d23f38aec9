// Fill: the selected bytes overwritten with a pattern repeated, as one change.
#include "editor/EditorCore.h"

#include <algorithm>

bool EditorCore::fillSelection(const std::vector<std::uint8_t>& pattern)
{
    const ByteRange range = selectedBytes();
    if (range.count == 0 || pattern.empty() || refuseEdit()) {
        return false;
    }
    const auto count = static_cast<std::size_t>(range.count);
    std::vector<std::uint8_t> filled(count);
    std::size_t done = std::min(pattern.size(), count);
    std::copy_n(pattern.begin(), done, filled.begin());
    // What is filled so far is whole repeats: copying it doubles them, in few passes for a large selection.
    while (done < count) {
        const std::size_t more = std::min(done, count - done);
        std::copy_n(filled.begin(), more, filled.begin() + static_cast<std::ptrdiff_t>(done));
        done += more;
    }
    if (!recordChange(EditStep::Kind::overwrite, range.first, range.count, filled.data())) {
        return false;
    }
    buffer.overwrite(range.first, filled.data(), count);
    digitIndex = 0; // a byte half typed before is whole again
    repaint(Repaint::later);
    return true;
}
