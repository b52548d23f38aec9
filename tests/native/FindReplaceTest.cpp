// Find and Replace through the core: matches selected in both directions with
// one wrap, and Replace All of every length, in a range, undone and redone.
#include <gtest/gtest.h>

#include <string>

#include "commands/SearchPatterns.h"
#include "tests/native/TestEditor.h"

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
        const ReplaceAllResult result =
            e.core.replaceAll(exact("X"), std::vector<std::uint8_t>(replacement.begin(), replacement.end()), c.range);
        EXPECT_EQ(result.outcome, ReplaceOutcome::replaced);
        EXPECT_EQ(result.count, c.count);
        EXPECT_EQ(documentText(e.core), c.expected);
        EXPECT_EQ(e.core.history.steps(), 1u);
        ASSERT_EQ(e.core.undo(), UndoOutcome::done);
        EXPECT_EQ(documentText(e.core), text);
        ASSERT_EQ(e.core.redo(), UndoOutcome::done);
        EXPECT_EQ(documentText(e.core), c.expected);
    }
}

TEST(FindReplace, ShorterMatchesOfTwoBytesReplacedAndRefusedPastTheLimit)
{
    TestEditor e(16);
    loadText(e, "aaaaab");
    const ReplaceAllResult shorter = e.core.replaceAll(exact("aa"), {'z'}, e.core.searchRange(false));
    EXPECT_EQ(shorter.count, 2);
    EXPECT_EQ(documentText(e.core), "zzab") << "matches do not overlap";
    ASSERT_EQ(e.core.undo(), UndoOutcome::done);

    // Too large to undo, and the user says no: the bytes are put back exactly.
    e.core.history = EditHistory(EditHistory::stepCharge);
    e.surface.answer = false;
    EXPECT_EQ(e.core.replaceAll(exact("a"), {}, e.core.searchRange(false)).outcome, ReplaceOutcome::declined);
    EXPECT_EQ(documentText(e.core), "aaaaab");
    e.core.buffer.setSize(FileBuffer::maxSize - 1); // the size alone decides
    EXPECT_EQ(e.core.replaceRuns({0, 1}, 1, {'1', '2'}), ReplaceOutcome::tooLarge);
}

TEST(FindReplace, FindsForwardAndBackwardWrappingOnce)
{
    TestEditor e(16);
    loadText(e, "ab..ab..ab");
    const SearchPattern pattern = exact("ab");
    const ByteRange whole = e.core.searchRange(false);
    e.placeCursor(3);
    const struct {
        bool backward;
        std::int32_t expected;
    } steps[] = {{false, 4}, {false, 8}, {false, 0}, {true, 8}, {true, 4}};
    for (const auto& step : steps) {
        ASSERT_TRUE(e.core.findAndSelect(pattern, step.backward, whole));
        EXPECT_EQ(e.core.cursorOffset, step.expected);
        EXPECT_TRUE(e.core.selectionIsMatch(pattern));
    }
    EXPECT_FALSE(e.core.findAndSelect(exact("zz"), false, whole));
    EXPECT_EQ(e.core.cursorOffset, 4) << "nothing moves";
}

} // namespace
