// Find and F3: the Find dialog's text remembered in its form, the next
// occurrence from the cursor's row, and the last search of either dialog
// made again, with what to tell the user.
#include "commands/SearchSession.h"

#include "editor/EditorCore.h"
#include "view/Cursor.h"
#include "view/Scrolling.h"
#include "view/Selection.h"

namespace {

constexpr char notFoundCaption[] = "String Not Found";
constexpr char invalidCaption[] = "Invalid data";

Message notFoundMessage(const char* text)
{
    return {Notice::plain, wideFromUtf8(text), wideFromUtf8(notFoundCaption)};
}

Message messageFor(FindOutcome outcome)
{
    switch (outcome) {
    case FindOutcome::notFound:
        return notFoundMessage("Search string not found.");
    case FindOutcome::onlyEarlierMatches:
        return notFoundMessage("Additional occurrences of string not found.");
    case FindOutcome::found:
        break;
    }
    return {};
}

const char* nothingToFindText(SearchForm form)
{
    switch (form) {
    case SearchForm::hex:
        return "The search text is not a valid hex string.";
    case SearchForm::octal:
        return "The search text is not a valid octal string.";
    case SearchForm::ascii:
        break;
    }
    return "There is nothing to search for.";
}

} // namespace

TypedSearch SearchSession::findDialogText() const
{
    const std::string& last = core_->buffer.lastSearchText;
    return {last, last.empty() ? SearchForm::ascii : lastForm_};
}

bool SearchSession::takeFindText(const TypedSearch& typed)
{
    if (searchPattern(typed.text, typed.form).empty()) {
        core_->shell.tell(warningMessage(nothingToFindText(typed.form), invalidCaption));
        return false;
    }
    core_->buffer.lastSearchText = typed.text;
    lastForm_ = typed.form;
    lastFromReplaceDialog_ = false;
    return true;
}

FindReport SearchSession::searchAgain(bool backward)
{
    EditorCore& core = *core_;
    if (!backward && !lastFromReplaceDialog_) {
        const std::vector<std::uint8_t> pattern = searchPattern(core.buffer.lastSearchText, lastForm_);
        if (pattern.empty()) {
            return {true, {}};
        }
        unselect(core);
        const FindOutcome outcome = findFromCursorRow(pattern);
        showCursorHere(core);
        return {false, messageFor(outcome)};
    }
    if (lastPattern_.empty()) {
        return {true, {}};
    }
    if (!findAndSelect(lastPattern_, backward, searchRange(false))) {
        return {false, messageFor(FindOutcome::notFound)};
    }
    return {};
}

FindOutcome SearchSession::findFromCursorRow(const std::vector<std::uint8_t>& pattern)
{
    EditorCore& core = *core_;
    FileBuffer& buffer = core.buffer;
    const auto length = static_cast<std::int32_t>(pattern.size());
    lastPattern_ = exactPattern(pattern);
    lastFromReplaceDialog_ = false;
    const std::int32_t match = buffer.findBytes(pattern.data(), core.cursorRow, length);
    if (match == -1) {
        return buffer.contains(pattern.data(), length) ? FindOutcome::onlyEarlierMatches : FindOutcome::notFound;
    }
    buffer.lastMatchOffset = match;
    core.digitIndex = 0;
    setCursorOffset(core, match);
    scrollCursorToTop(core);
    return FindOutcome::found;
}
