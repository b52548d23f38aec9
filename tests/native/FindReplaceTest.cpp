// Find and Replace through the core: matches selected in both directions with
// one wrap, Replace All of every length, in a range, undone and redone with
// the bookmarks on its bytes, and what the dialog's buttons say.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "commands/SearchPatterns.h"
#include "commands/SearchSession.h"
#include "tests/native/TestEditor.h"
#include "view/Editing.h"
#include "view/UndoRedo.h"

namespace {

using namespace testeditor;

std::string documentText(const EditorCore& core)
{
    return std::string(reinterpret_cast<const char*>(core.buffer.data.get()), static_cast<std::size_t>(core.buffer.size));
}

// An editor on the text itself.
void loadText(TestEditor& e, const std::string& text)
{
    e.core.buffer.overwrite(0, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    e.core.buffer.setSize(static_cast<std::int32_t>(text.size()));
}

SearchPattern exact(const std::string& text)
{
    return exactPattern(std::vector<std::uint8_t>(text.begin(), text.end()));
}

SearchPattern caseless(const std::string& text)
{
    return caselessPattern(std::vector<std::uint8_t>(text.begin(), text.end()), asciiCaseFolding());
}

void markEveryByte(TestEditor& e)
{
    for (std::int32_t at = 0; at < e.core.buffer.size; ++at) {
        e.core.buffer.marks.toggle(at);
    }
}

using Marks = std::vector<std::int32_t>;

TEST(FindReplace, ReplacesEveryLengthWithinTheRangeAsOneUndoableChange)
{
    const std::string text = "abXcdXXefX";
    const struct {
        const char* replacement;
        ByteRange range;
        const char* expected;
        std::int64_t count;
    } cases[] = {
        {"Y", {0, 10}, "abYcdYYefY", 4},           // equal, at both ends
        {"", {0, 10}, "abcdef", 4},                  // empty: the matches go
        {"123", {0, 10}, "ab123cd123123ef123", 4},   // longer
        {"Q", {3, 4}, "abXcdQQefX", 2},              // only inside the range
        {"", {9, 1}, "abXcdXXef", 1},                // the last byte alone
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        TestEditor e(16);
        loadText(e, text);
        const std::string replacement = c.replacement;
        const ReplaceAllResult result = e.core.search.replaceAllIn(
            exact("X"), std::vector<std::uint8_t>(replacement.begin(), replacement.end()), c.range);
        EXPECT_EQ(result.outcome, ReplaceOutcome::replaced);
        EXPECT_EQ(result.count, c.count);
        EXPECT_EQ(documentText(e.core), c.expected);
        EXPECT_EQ(e.core.history.steps(), 1u);
        ASSERT_EQ(undo(e.core), UndoOutcome::done);
        EXPECT_EQ(documentText(e.core), text);
        ASSERT_EQ(redo(e.core), UndoOutcome::done);
        EXPECT_EQ(documentText(e.core), c.expected);
    }
}

TEST(FindReplace, ShorterMatchesOfTwoBytesReplacedAndRefusedPastTheLimit)
{
    TestEditor e(16);
    loadText(e, "aaaaab");
    const ReplaceAllResult shorter = e.core.search.replaceAllIn(exact("aa"), {'z'}, e.core.search.searchRange(false));
    EXPECT_EQ(shorter.count, 2);
    EXPECT_EQ(documentText(e.core), "zzab") << "matches do not overlap";
    ASSERT_EQ(undo(e.core), UndoOutcome::done);

    // Too large to undo, and the user says no: the bytes and their marks are put back exactly.
    e.core.history = EditHistory(EditHistory::stepCharge);
    e.surface.answer = false;
    loadText(e, "aAaAab");
    markEveryByte(e);
    for (const SearchPattern& pattern : {exact("a"), caseless("a")}) {
        EXPECT_EQ(e.core.search.replaceAllIn(pattern, {}, e.core.search.searchRange(false)).outcome,
                  ReplaceOutcome::declined);
        EXPECT_EQ(documentText(e.core), "aAaAab");
        EXPECT_EQ(e.core.buffer.marks.offsets(), (Marks{0, 1, 2, 3, 4, 5}));
    }
    e.core.buffer.setSize(FileBuffer::maxSize - 1); // the size alone decides
    EXPECT_EQ(replaceRuns(e.core, {0, 1}, 1, {'1', '2'}), ReplaceOutcome::tooLarge);
}

// Exact matches keep their bytes once, caseless ones each; a mark on a byte a
// match lost goes, and undo brings it back.
TEST(FindReplace, UndoPutsBackEachMatchsBytesAndTheMarksOnThem)
{
    const std::string text = "xAbyaBzab";
    const struct {
        SearchPattern pattern;
        const char* replacement;
        const char* expected;
        Marks marks;
        bool keptOnce;
        std::int64_t recordBytes; // gaps, old bytes, replacement, lost marks
    } cases[] = {
        {exact("ab"), "Q", "xAbyaBzQ", {0, 1, 2, 3, 4, 5, 6, 7}, true, 1 + 2 + 1 + 4},
        {caseless("ab"), "Q", "xQyQzQ", {0, 1, 2, 3, 4, 5}, false, 3 + 6 + 1 + 12},
        {caseless("ab"), "", "xyz", {0, 1, 2}, false, 3 + 6 + 0 + 24},
        {caseless("ab"), "PQ", "xPQyPQzPQ", {0, 1, 2, 3, 4, 5, 6, 7, 8}, false, 3 + 6 + 2},
        {caseless("ab"), "QRS", "xQRSyQRSzQRS", {0, 1, 2, 4, 5, 6, 8, 9, 10}, false, 3 + 6 + 3},
        {exact("a"), "QR", "xAbyQRBzQRb", {0, 1, 2, 3, 4, 6, 7, 8, 10}, true, 2 + 1 + 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        TestEditor e(16);
        loadText(e, text);
        markEveryByte(e);
        const std::string replacement = c.replacement;
        e.core.search.replaceAllIn(c.pattern, std::vector<std::uint8_t>(replacement.begin(), replacement.end()),
                                   e.core.search.searchRange(false));
        EXPECT_EQ(documentText(e.core), c.expected);
        EXPECT_EQ(e.core.buffer.marks.offsets(), c.marks);
        EXPECT_EQ(e.core.history.toUndo().replaced.matchesAlike, c.keptOnce);
        EXPECT_EQ(e.core.history.cost(), EditHistory::stepCharge + c.recordBytes);
        ASSERT_EQ(undo(e.core), UndoOutcome::done);
        EXPECT_EQ(documentText(e.core), text);
        EXPECT_EQ(e.core.buffer.marks.offsets(), (Marks{0, 1, 2, 3, 4, 5, 6, 7, 8}));
        ASSERT_EQ(redo(e.core), UndoOutcome::done);
        EXPECT_EQ(documentText(e.core), c.expected);
        EXPECT_EQ(e.core.buffer.marks.offsets(), c.marks);
    }
}

TEST(FindReplace, TheDialogSaysWhyNothingChanged)
{
    const SearchPattern pattern = exact("ab");
    const std::vector<std::uint8_t> shorter{'Q'};
    using Button = std::function<SearchReport(SearchSession&, SearchOptions)>;
    const Button findNext = [&](SearchSession& s, SearchOptions o) { return s.findNext(pattern, o); };
    const Button replace = [&](SearchSession& s, SearchOptions o) { return s.replace(pattern, shorter, o); };
    const Button replaceAll = [&](SearchSession& s, SearchOptions o) { return s.replaceAll(pattern, shorter, o); };
    const Button findAll = [&](SearchSession& s, SearchOptions o) { return s.findAll(pattern, o); };
    const struct {
        const char* name;
        bool readOnly;
        bool tooLargeToUndo; // and the user declines
        bool inSelection;    // checked with nothing selected
        Button button;
        const char* status;
    } cases[] = {
        {"Replace All, read-only", true, false, false, replaceAll, "The document is read-only."},
        {"Replace, read-only", true, false, false, replace, "The document is read-only."},
        {"Replace All, declined", false, true, false, replaceAll, "Nothing was replaced."},
        {"Replace, declined", false, true, false, replace, "Nothing was replaced."},
        {"Find Next, nothing selected", false, false, true, findNext, "Nothing is selected."},
        {"Replace, nothing selected", false, false, true, replace, "Nothing is selected."},
        {"Replace All, nothing selected", false, false, true, replaceAll, "Nothing is selected."},
        {"Find All, nothing selected", false, false, true, findAll, "Nothing is selected."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestEditor e(16);
        loadText(e, "ab..ab");
        SearchSession session(e.core);
        if (!c.inSelection) {
            session.findNext(pattern, {}); // Replace replaces a selected match
        }
        session.scopeToSelection();
        e.core.files.setReadOnlyMode(c.readOnly);
        e.core.history = EditHistory(c.tooLargeToUndo ? EditHistory::stepCharge : EditHistory::defaultLimit);
        EXPECT_EQ(c.button(session, {false, c.inSelection}).status, c.status);
        EXPECT_EQ(documentText(e.core), "ab..ab");
        EXPECT_TRUE(session.listed().empty());
    }
}

TEST(FindReplace, ReplaceSelectsAMatchFirstAndFindAllsListGoesOutOfDateWithAChange)
{
    TestEditor e(16);
    loadText(e, "ab..ab..ab");
    SearchSession session(e.core);
    const SearchPattern pattern = exact("ab");
    EXPECT_EQ(session.replace(pattern, {'Q'}, {}).status, "");
    EXPECT_EQ(documentText(e.core), "ab..ab..ab") << "only selected";
    EXPECT_TRUE(e.core.search.selectionIsMatch(pattern));
    session.replace(pattern, {'Q'}, {});
    EXPECT_EQ(documentText(e.core), "Q..ab..ab");
    EXPECT_EQ(selectedBytes(e.core).first, 3) << "the next one selected";

    EXPECT_EQ(session.findAll(pattern, {}).status, "2 matches.");
    session.selectListed(1);
    EXPECT_EQ(selectedBytes(e.core).first, 7);
    ASSERT_EQ(undo(e.core), UndoOutcome::done);
    EXPECT_EQ(session.selectListed(0).status, "The document has changed since the list was made: Find All again.");
    EXPECT_FALSE(e.core.hasSelection());
}

TEST(FindReplace, FindsForwardAndBackwardWrappingOnce)
{
    TestEditor e(16);
    loadText(e, "ab..ab..ab");
    const SearchPattern pattern = exact("ab");
    const ByteRange whole = e.core.search.searchRange(false);
    e.placeCursor(3);
    const struct {
        bool backward;
        std::int32_t expected;
    } steps[] = {{false, 4}, {false, 8}, {false, 0}, {true, 8}, {true, 4}};
    for (const auto& step : steps) {
        ASSERT_TRUE(e.core.search.findAndSelect(pattern, step.backward, whole));
        EXPECT_EQ(e.core.cursorOffset, step.expected);
        EXPECT_TRUE(e.core.search.selectionIsMatch(pattern));
    }
    EXPECT_FALSE(e.core.search.findAndSelect(exact("zz"), false, whole));
    EXPECT_EQ(e.core.cursorOffset, 4) << "nothing moves";
}

// The Find dialog's text and F3: a text giving no bytes is refused with why,
// the form is kept for the dialog, and F3 repeats the dialog that searched last.
TEST(FindReplace, F3RepeatsTheLastDialogsSearch)
{
    TestEditor e(16);
    loadText(e, "xxABxxABxx");
    SearchSession& search = e.core.search;
    EXPECT_TRUE(search.searchAgain(false).askForText) << "nothing searched yet";
    EXPECT_TRUE(search.searchAgain(true).askForText);
    const struct {
        TypedSearch typed;
        const char* told;
    } refused[] = {{{"zz", SearchForm::hex}, "The search text is not a valid hex string."},
                   {{"9", SearchForm::octal}, "The search text is not a valid octal string."},
                   {{"", SearchForm::ascii}, "There is nothing to search for."}};
    for (const auto& c : refused) {
        e.surface.told.clear();
        EXPECT_FALSE(search.takeFindText(c.typed));
        EXPECT_EQ(e.surface.told, std::vector<std::string>{c.told});
    }
    EXPECT_EQ(search.findDialogText().form, SearchForm::ascii) << "characters before the first search";

    ASSERT_TRUE(search.takeFindText({"41 42", SearchForm::hex}));
    EXPECT_EQ(search.findDialogText().text, "41 42");
    EXPECT_EQ(search.findDialogText().form, SearchForm::hex);
    const std::wstring steps[] = {L"", L"", L"Additional occurrences of string not found."};
    for (const std::wstring& message : steps) {
        EXPECT_EQ(search.searchAgain(false).message.text, message);
    }
    EXPECT_EQ(e.core.cursorOffset, 6);
    EXPECT_FALSE(e.core.hasSelection()) << "the Find dialog's match is not selected";
    EXPECT_EQ(search.searchAgain(true).message.text, L"");
    EXPECT_EQ(selectedBytes(e.core).first, 2) << "Shift+F3 selects the match before";

    search.findNext(exact("xx"), {});
    EXPECT_EQ(search.searchAgain(false).message.text, L"");
    EXPECT_EQ(selectedBytes(e.core).first, 8) << "the Find and Replace dialog's search, selected";
    EXPECT_EQ(search.findDialogText().text, "41 42") << "the Find dialog's text stays";
    search.findNext(exact("Q"), {});
    EXPECT_EQ(search.searchAgain(false).message.text, L"Search string not found.");
}

} // namespace
