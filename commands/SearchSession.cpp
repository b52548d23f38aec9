#include "commands/SearchSession.h"

#include <algorithm>
#include <new>
#include <utility>

#include "commands/SearchPatterns.h"
#include "view/Cursor.h"
#include "view/Selection.h"

namespace {

constexpr char notFound[] = "Not found.";
constexpr char nothingSelected[] = "Nothing is selected.";

// Why nothing was replaced.
SearchReport unreplaced(ReplaceOutcome outcome)
{
    switch (outcome) {
    case ReplaceOutcome::readOnly:
        return {"The document is read-only.", false};
    case ReplaceOutcome::tooLarge:
        return {"The replacements would make the document larger than 2,147,483,647 bytes. Nothing was replaced.",
                true};
    case ReplaceOutcome::noMemory:
        return {"Not enough memory to replace. Nothing was replaced.", true};
    case ReplaceOutcome::declined:
    case ReplaceOutcome::cancelled:
    case ReplaceOutcome::replaced:
        break;
    }
    return {"Nothing was replaced.", false};
}

std::int64_t growthOf(const SearchPattern& pattern, const std::vector<std::uint8_t>& replacement)
{
    return static_cast<std::int64_t>(replacement.size()) - static_cast<std::int64_t>(pattern.size());
}

} // namespace

void SearchSession::scopeToSelection()
{
    scope_ = core_->selectedBytes();
}

// The scope is the selection as it was when the box was checked, or when the
// user selected other bytes since this session's last match.
bool SearchSession::rangeFor(bool inSelection, ByteRange& range)
{
    const std::int32_t size = std::max(core_->buffer.size, 0);
    if (!inSelection) {
        range = {0, size};
        return true;
    }
    const ByteRange selected = core_->selectedBytes();
    if (selected.count > 0 && (selected.first != selectedMatch_.first || selected.count != selectedMatch_.count)) {
        scope_ = selected;
    }
    // The document may have shrunk under the scope since.
    const std::int32_t first = std::min(scope_.first, size);
    range = {first, std::min(scope_.count, size - first)};
    return range.count > 0;
}

SearchReport SearchSession::findNext(const SearchPattern& pattern, SearchOptions options)
{
    ByteRange range;
    if (!rangeFor(options.inSelection, range)) {
        return {nothingSelected, false};
    }
    core_->lastSearch = {pattern, true};
    if (!core_->findAndSelect(pattern, options.backward, range)) {
        return {notFound, false};
    }
    noteSelectedMatch();
    return {};
}

SearchReport SearchSession::replace(const SearchPattern& pattern, const std::vector<std::uint8_t>& replacement,
                                    SearchOptions options)
{
    ByteRange range;
    if (!rangeFor(options.inSelection, range)) {
        return {nothingSelected, false};
    }
    if (!core_->selectionIsMatch(pattern)) {
        return findNext(pattern, options);
    }
    const ReplaceOutcome outcome = core_->replaceSelectedMatch(pattern, replacement);
    if (outcome != ReplaceOutcome::replaced) {
        return unreplaced(outcome);
    }
    if (options.inSelection) {
        scope_.count = static_cast<std::int32_t>(scope_.count + growthOf(pattern, replacement));
    }
    // Forward, the next search starts after what was put there.
    if (!options.backward) {
        setCursorOffset(*core_, core_->cursorOffset + static_cast<std::int32_t>(replacement.size()));
    }
    return findNext(pattern, options);
}

SearchReport SearchSession::replaceAll(const SearchPattern& pattern, const std::vector<std::uint8_t>& replacement,
                                       SearchOptions options, Progress& progress)
{
    ByteRange range;
    if (!rangeFor(options.inSelection, range)) {
        return {nothingSelected, false};
    }
    ReplaceAllResult result;
    try {
        result = core_->replaceAll(pattern, replacement, range, progress);
    } catch (const std::bad_alloc&) {
        result.outcome = ReplaceOutcome::noMemory;
    }
    if (result.outcome != ReplaceOutcome::replaced) {
        return unreplaced(result.outcome);
    }
    if (result.count == 0) {
        return {notFound, false};
    }
    // In selection goes on over what the selected bytes became.
    if (options.inSelection) {
        scope_ = {range.first, static_cast<std::int32_t>(range.count + result.count * growthOf(pattern, replacement))};
    }
    return {replacedText(result.count), false};
}

SearchReport SearchSession::findAll(const SearchPattern& pattern, SearchOptions options, Progress& progress)
{
    ByteRange range;
    if (!rangeFor(options.inSelection, range)) {
        return {nothingSelected, false};
    }
    core_->lastSearch = {pattern, true};
    try {
        MatchList found = ::findAll(core_->buffer.data.get(), range.first,
                                    static_cast<std::int64_t>(range.first) + range.count, pattern, listedMatchLimit,
                                    progress);
        if (found.cancelled) {
            listed_.clear();
            return {"Find All was cancelled.", false};
        }
        listed_ = std::move(found.offsets);
        listedLength_ = pattern.size();
        listedAt_ = core_->history.changes();
        return {found.total == 0 ? notFound : matchesText(found.total, listed_.size()), false};
    } catch (const std::bad_alloc&) {
        listed_.clear();
        return {"Not enough memory to list the matches.", false};
    }
}

SearchReport SearchSession::selectListed(std::size_t item)
{
    if (item >= listed_.size()) {
        return {};
    }
    const std::int64_t offset = listed_[item];
    if (core_->history.changes() != listedAt_ ||
        offset + static_cast<std::int64_t>(listedLength_) > core_->buffer.size) {
        return {"The document has changed since the list was made: Find All again.", false};
    }
    selectRange(*core_, offset, static_cast<std::int64_t>(listedLength_));
    noteSelectedMatch();
    return {};
}
