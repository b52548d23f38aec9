#include "commands/SearchSession.h"

#include <algorithm>
#include <new>
#include <utility>

#include "commands/SearchPatterns.h"
#include "editor/EditorCore.h"
#include "view/Editing.h"
#include "view/UndoRedo.h"
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
    dialog_.scope = selectedBytes(*core_);
}

void SearchSession::noteSelectedMatch()
{
    dialog_.selectedMatch = selectedBytes(*core_);
}

void SearchSession::rememberDialogSearch(const SearchPattern& pattern)
{
    lastPattern_ = pattern;
    lastFromReplaceDialog_ = true;
}

void SearchSession::dialogClosed()
{
    dialog_ = DialogState{};
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
    const ByteRange selected = selectedBytes(*core_);
    const ByteRange& match = dialog_.selectedMatch;
    if (selected.count > 0 && (selected.first != match.first || selected.count != match.count)) {
        dialog_.scope = selected;
    }
    // The document may have shrunk under the scope since.
    const std::int32_t first = std::min(dialog_.scope.first, size);
    range = {first, std::min(dialog_.scope.count, size - first)};
    return range.count > 0;
}

SearchReport SearchSession::findNext(const SearchPattern& pattern, SearchOptions options)
{
    ByteRange range;
    if (!rangeFor(options.inSelection, range)) {
        return {nothingSelected, false};
    }
    rememberDialogSearch(pattern);
    if (!findAndSelect(pattern, options.backward, range)) {
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
    if (!selectionIsMatch(pattern)) {
        return findNext(pattern, options);
    }
    const ReplaceOutcome outcome = replaceSelectedMatch(pattern, replacement);
    if (outcome != ReplaceOutcome::replaced) {
        return unreplaced(outcome);
    }
    if (options.inSelection) {
        dialog_.scope.count = static_cast<std::int32_t>(dialog_.scope.count + growthOf(pattern, replacement));
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
        result = replaceAllIn(pattern, replacement, range, progress);
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
        dialog_.scope = {range.first,
                         static_cast<std::int32_t>(range.count + result.count * growthOf(pattern, replacement))};
    }
    return {replacedText(result.count), false};
}

SearchReport SearchSession::findAll(const SearchPattern& pattern, SearchOptions options, Progress& progress)
{
    ByteRange range;
    if (!rangeFor(options.inSelection, range)) {
        return {nothingSelected, false};
    }
    rememberDialogSearch(pattern);
    std::vector<std::int64_t>& listed = dialog_.listed;
    try {
        MatchList found = ::findAll(core_->buffer.all().bytes, range.first,
                                    static_cast<std::int64_t>(range.first) + range.count, pattern, listedMatchLimit,
                                    progress);
        if (found.cancelled) {
            listed.clear();
            return {"Find All was cancelled.", false};
        }
        listed = std::move(found.offsets);
        dialog_.listedLength = pattern.size();
        dialog_.listedAt = core_->history.changes();
        return {found.total == 0 ? notFound : matchesText(found.total, listed.size()), false};
    } catch (const std::bad_alloc&) {
        listed.clear();
        return {"Not enough memory to list the matches.", false};
    }
}

SearchReport SearchSession::selectListed(std::size_t item)
{
    if (item >= dialog_.listed.size()) {
        return {};
    }
    const std::int64_t offset = dialog_.listed[item];
    const auto length = static_cast<std::int64_t>(dialog_.listedLength);
    if (core_->history.changes() != dialog_.listedAt || offset + length > core_->buffer.size) {
        return {"The document has changed since the list was made: Find All again.", false};
    }
    selectRange(*core_, offset, length);
    noteSelectedMatch();
    return {};
}

ListedRow SearchSession::listedRow(std::size_t item) const
{
    if (item >= dialog_.listed.size()) {
        return {};
    }
    const std::int64_t offset = dialog_.listed[item];
    const FileBuffer& buffer = core_->buffer;
    ListedRow row{matchOffsetText(offset), {}};
    if (offset < buffer.size) {
        const auto length = static_cast<std::int64_t>(dialog_.listedLength);
        const ByteSpan bytes = buffer.span(offset, std::min<std::int64_t>(buffer.size - offset, length));
        row.bytes = matchBytesText(bytes.bytes, bytes.count);
    }
    return row;
}
