// The Find and Replace dialog's work: matches found in either direction and
// selected, the selected match replaced, and every match replaced at once.
#include "editor/EditorCore.h"
#include "view/Placing.h"
#include "view/Selection.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

std::int64_t rangeEnd(ByteRange range)
{
    return static_cast<std::int64_t>(range.first) + range.count;
}

} // namespace

ByteRange EditorCore::searchRange(bool inSelection) const
{
    if (inSelection && hasSelection()) {
        return selectedBytes();
    }
    return {0, std::max(buffer.size, 0)};
}

bool EditorCore::findAndSelect(const SearchPattern& pattern, bool backward, ByteRange range)
{
    if (pattern.empty() || !buffer.data.held()) {
        return false;
    }
    const std::uint8_t* data = buffer.data.get();
    const std::int64_t end = rangeEnd(range);
    // A selected match is passed over, so the next search moves on.
    const std::int64_t from = std::clamp<std::int64_t>(cursorOffset + (hasSelection() ? 1 : 0), range.first, end);
    std::int64_t match = -1;
    if (backward) {
        match = findBackward(data, range.first, std::clamp<std::int64_t>(cursorOffset, range.first, end), end,
                             pattern);
        if (match < 0) {
            match = findBackward(data, range.first, end, end, pattern); // the wrap: from the end
        }
    } else {
        match = findForward(data, from, end, pattern);
        if (match < 0) {
            match = findForward(data, range.first, end, pattern); // the wrap: from the start
        }
    }
    if (match < 0) {
        return false;
    }
    selectRange(*this, match, static_cast<std::int64_t>(pattern.size()));
    return true;
}

bool EditorCore::selectionIsMatch(const SearchPattern& pattern) const
{
    const ByteRange selected = selectedBytes();
    if (pattern.empty() || selected.count != static_cast<std::int64_t>(pattern.size())) {
        return false;
    }
    return findForward(buffer.data.get(), selected.first, rangeEnd(selected), pattern) == selected.first;
}

ReplaceOutcome EditorCore::replaceSelectedMatch(const SearchPattern& pattern,
                                                const std::vector<std::uint8_t>& replacement)
{
    if (refuseEdit()) {
        return ReplaceOutcome::readOnly;
    }
    const ByteRange selected = selectedBytes();
    const ReplaceOutcome outcome =
        replaceRuns({selected.first}, static_cast<std::int32_t>(pattern.size()), replacement);
    if (outcome == ReplaceOutcome::replaced) {
        showChangedPlace(*this, selected.first);
    }
    return outcome;
}

ReplaceAllResult EditorCore::replaceAll(const SearchPattern& pattern, const std::vector<std::uint8_t>& replacement,
                                        ByteRange range, Progress& progress)
{
    if (refuseEdit()) {
        return {ReplaceOutcome::readOnly, 0};
    }
    if (pattern.empty() || !buffer.data.held()) {
        return {ReplaceOutcome::declined, 0};
    }
    ReplaceOutcome outcome = ReplaceOutcome::replaced;
    std::int64_t count = 0;
    if (replacement.size() <= pattern.size()) {
        // In place and in one pass: no second block, no second scan.
        ReplacementRecord record;
        count = buffer.replaceMatchesInPlace(pattern, range.first, rangeEnd(range), replacement, record, progress);
        if (count < 0) {
            return {ReplaceOutcome::cancelled, 0};
        }
        outcome = count == 0 ? outcome : keepReplacement(std::move(record));
    } else {
        const MatchList matches = findAll(buffer.data.get(), range.first, rangeEnd(range), pattern,
                                          std::numeric_limits<std::size_t>::max(), progress);
        if (matches.cancelled) {
            return {ReplaceOutcome::cancelled, 0};
        }
        count = matches.total;
        const auto matchLength = static_cast<std::int32_t>(pattern.size());
        outcome = count == 0 ? outcome : replaceRuns(matches.offsets, matchLength, replacement);
    }
    if (count > 0 && outcome == ReplaceOutcome::replaced) {
        showChangedPlace(*this, range.first);
    }
    return {outcome, outcome == ReplaceOutcome::replaced ? count : 0};
}
