#include "document/Bookmarks.h"

#include <algorithm>
#include <iterator>

bool Bookmarks::toggle(std::int32_t offset)
{
    const auto at = std::lower_bound(offsets_.begin(), offsets_.end(), offset);
    if (at != offsets_.end() && *at == offset) {
        offsets_.erase(at);
        return false;
    }
    offsets_.insert(at, offset);
    return true;
}

bool Bookmarks::has(std::int32_t offset) const
{
    return std::binary_search(offsets_.begin(), offsets_.end(), offset);
}

std::int32_t Bookmarks::next(std::int32_t offset) const
{
    if (offsets_.empty()) {
        return -1;
    }
    const auto after = std::upper_bound(offsets_.begin(), offsets_.end(), offset);
    return after != offsets_.end() ? *after : offsets_.front();
}

std::int32_t Bookmarks::previous(std::int32_t offset) const
{
    if (offsets_.empty()) {
        return -1;
    }
    const auto at = std::lower_bound(offsets_.begin(), offsets_.end(), offset);
    return at != offsets_.begin() ? *std::prev(at) : offsets_.back();
}

std::vector<std::int32_t> Bookmarks::within(std::int32_t first, std::int32_t end) const
{
    return std::vector<std::int32_t>(std::lower_bound(offsets_.begin(), offsets_.end(), first),
                                     std::lower_bound(offsets_.begin(), offsets_.end(), end));
}

void Bookmarks::inserted(std::int32_t offset, std::int32_t count)
{
    for (auto at = std::lower_bound(offsets_.begin(), offsets_.end(), offset); at != offsets_.end(); ++at) {
        *at += count;
    }
}

void Bookmarks::removed(std::int32_t offset, std::int32_t count)
{
    const auto first = std::lower_bound(offsets_.begin(), offsets_.end(), offset);
    const auto end = std::lower_bound(first, offsets_.end(), offset + count);
    for (auto at = end; at != offsets_.end(); ++at) {
        *at -= count;
    }
    offsets_.erase(first, end);
}

void Bookmarks::restore(const std::vector<std::int32_t>& marks)
{
    for (const std::int32_t mark : marks) {
        if (!has(mark)) {
            toggle(mark);
        }
    }
}

namespace {

// Calls `keep(mark, newOffset)` for each mark that stays and `lose(mark)` for
// each on a byte a shortened run lost, from the first mark.
template <class Keep, class Lose>
void partitionMarks(const std::vector<std::int32_t>& marks, const RunGaps& runs, std::int32_t fromLength,
               std::int32_t toLength, const Keep& keep, const Lose& lose)
{
    RunGaps::Reader run(runs, fromLength);
    for (const std::int32_t mark : marks) {
        while (!run.done() && run.offset() + fromLength <= mark) {
            run.next();
        }
        const std::size_t before = run.done() ? runs.count() : run.run(); // runs that end at or before the mark
        const bool inRun = !run.done() && run.offset() <= mark;
        if (inRun && mark - run.offset() >= toLength) {
            lose(mark);
        } else {
            keep(mark, mark + static_cast<std::int64_t>(before) * (toLength - fromLength));
        }
    }
}

} // namespace

void Bookmarks::runsReplaced(const RunGaps& runs, std::int32_t fromLength, std::int32_t toLength)
{
    if (fromLength == toLength || runs.empty() || offsets_.empty()) {
        return;
    }
    std::size_t kept = 0; // in place: no more marks are written than have been read
    partitionMarks(
        offsets_, runs, fromLength, toLength,
        [&](std::int32_t, std::int64_t moved) { offsets_[kept++] = static_cast<std::int32_t>(moved); },
        [](std::int32_t) {});
    offsets_.resize(kept);
}

std::vector<std::int32_t> Bookmarks::lostBy(const RunGaps& runs, std::int32_t fromLength, std::int32_t toLength) const
{
    std::vector<std::int32_t> lost;
    if (toLength < fromLength && !runs.empty()) {
        partitionMarks(
            offsets_, runs, fromLength, toLength, [](std::int32_t, std::int64_t) {},
            [&](std::int32_t mark) { lost.push_back(mark); });
    }
    return lost;
}
