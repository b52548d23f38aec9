// The Find and Replace dialog's work: matches found in either direction and
// selected, the selected match replaced, and every match replaced at once.
#include "commands/SearchSession.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "editor/EditorCore.h"
#include "view/Editing.h"
#include "view/UndoRedo.h"
#include "view/Placing.h"
#include "view/Selection.h"

namespace {

std::int64_t rangeEnd(ByteRange range)
{
    return static_cast<std::int64_t>(range.first) + range.count;
}

} // namespace

ByteRange SearchSession::searchRange(bool inSelection) const
{
    if (inSelection && core_->hasSelection()) {
        return selectedBytes(*core_);
    }
    return {0, std::max(core_->buffer.size, 0)};
}

bool SearchSession::findAndSelect(const SearchPattern& pattern, bool backward, ByteRange range)
{
    EditorCore& core = *core_;
    const std::uint8_t* data = core.buffer.all().bytes;
    if (pattern.empty() || data == nullptr) {
        return false;
    }
    const std::int64_t end = rangeEnd(range);
    const std::int64_t cursor = core.cursorOffset;
    // A selected match is passed over, so the next search moves on.
    const std::int64_t from = std::clamp<std::int64_t>(cursor + (core.hasSelection() ? 1 : 0), range.first, end);
    std::int64_t match = -1;
    if (backward) {
        match = findBackward(data, range.first, std::clamp<std::int64_t>(cursor, range.first, end), end, pattern);
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
    selectRange(core, match, static_cast<std::int64_t>(pattern.size()));
    return true;
}

bool SearchSession::selectionIsMatch(const SearchPattern& pattern) const
{
    const ByteRange selected = selectedBytes(*core_);
    if (pattern.empty() || selected.count != static_cast<std::int64_t>(pattern.size())) {
        return false;
    }
    const ByteSpan bytes = core_->buffer.span(selected.first, selected.count);
    return !bytes.empty() && findForward(bytes.bytes, 0, selected.count, pattern) == 0;
}

ReplaceOutcome SearchSession::replaceSelectedMatch(const SearchPattern& pattern,
                                                   const std::vector<std::uint8_t>& replacement)
{
    EditorCore& core = *core_;
    if (core.files.refuseEdit()) {
        return ReplaceOutcome::readOnly;
    }
    const ByteRange selected = selectedBytes(core);
    const ReplaceOutcome outcome =
        replaceRuns(core, {selected.first}, static_cast<std::int32_t>(pattern.size()), replacement);
    if (outcome == ReplaceOutcome::replaced) {
        showChangedPlace(core, selected.first);
    }
    return outcome;
}

ReplaceAllResult SearchSession::replaceAllIn(const SearchPattern& pattern,
                                             const std::vector<std::uint8_t>& replacement, ByteRange range,
                                             Progress& progress)
{
    EditorCore& core = *core_;
    FileBuffer& buffer = core.buffer;
    if (core.files.refuseEdit()) {
        return {ReplaceOutcome::readOnly, 0};
    }
    if (pattern.empty()) {
        return {ReplaceOutcome::declined, 0};
    }
    if (buffer.length() == 0) {
        return {ReplaceOutcome::replaced, 0}; // nothing to find
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
        outcome = count == 0 ? outcome : keepReplacement(core, std::move(record));
    } else {
        const MatchList matches = ::findAll(buffer.all().bytes, range.first, rangeEnd(range), pattern,
                                          std::numeric_limits<std::size_t>::max(), progress);
        if (matches.cancelled) {
            return {ReplaceOutcome::cancelled, 0};
        }
        count = matches.total;
        const auto matchLength = static_cast<std::int32_t>(pattern.size());
        outcome = count == 0 ? outcome : replaceRuns(core, matches.offsets, matchLength, replacement);
    }
    if (count > 0 && outcome == ReplaceOutcome::replaced) {
        showChangedPlace(core, range.first);
    }
    return {outcome, outcome == ReplaceOutcome::replaced ? count : 0};
}
