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

void Bookmarks::runsReplaced(const std::vector<std::int32_t>& runs, std::int32_t fromLength, std::int32_t toLength)
{
    if (fromLength == toLength || runs.empty()) {
        return;
    }
    std::vector<std::int32_t> kept;
    std::size_t before = 0; // runs that end at or before the mark
    for (const std::int32_t mark : offsets_) {
        while (before < runs.size() && runs[before] + fromLength <= mark) {
            ++before;
        }
        const std::int64_t shift = static_cast<std::int64_t>(before) * (toLength - fromLength);
        const bool inRun = before < runs.size() && runs[before] <= mark;
        if (inRun && mark - runs[before] >= toLength) {
            continue; // its byte went with the run's lost length
        }
        kept.push_back(static_cast<std::int32_t>(mark + shift));
    }
    offsets_.swap(kept);
}
