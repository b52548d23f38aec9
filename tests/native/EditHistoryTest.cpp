// The undo history alone: its memory limit, the saved state, and the gaps a
// replacement's record keeps of its runs.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "document/EditHistory.h"

namespace {

TEST(EditHistory, PastItsLimitTheOldestStepsGoAndASavedStateWithThemLeavesItModified)
{
    const std::uint8_t removed[10] = {};
    const std::int64_t stepCost = EditHistory::costOf(EditStep::Kind::removal, 10);
    EditHistory history(3 * stepCost);
    EXPECT_FALSE(history.canHold(3 * stepCost + 1));
    for (std::int32_t offset = 0; offset < 5; ++offset) {
        history.record(EditStep::removal(offset, removed, 10));
    }
    EXPECT_EQ(history.steps(), 3u);
    EXPECT_EQ(history.cost(), 3 * stepCost);
    for (int i = 0; i < 3; ++i) {
        history.undone();
    }
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.toRedo().offset, 2) << "the oldest step kept";
    EXPECT_TRUE(history.modified()) << "the saved state went with the first steps";
}

TEST(EditHistory, ModifiedWhereverTheDocumentIsNotAtItsSavedState)
{
    using Action = std::function<void(EditHistory&)>;
    const Action record = [](EditHistory& h) { h.record(EditStep::insertion(0, 1)); };
    const Action undo = [](EditHistory& h) { h.undone(); };
    const Action redo = [](EditHistory& h) { h.redone(); };
    const Action save = [](EditHistory& h) { h.markSaved(); };
    const Action reset = [](EditHistory& h) { h.reset(); };
    const Action discard = [](EditHistory& h) { h.discard(); };
    const struct {
        Action action;
        bool modified;
    } sequence[] = {
        {record, true}, {record, true}, {save, false}, {undo, true}, {redo, false}, {undo, true},
        // The saved state was among the undone steps this one replaces.
        {record, true}, {undo, true}, {reset, false}, {record, true}, {undo, false}, {discard, true},
    };
    EditHistory history;
    int step = 0;
    for (const auto& s : sequence) {
        s.action(history);
        EXPECT_EQ(history.modified(), s.modified) << "after step " << step++;
    }
}

TEST(EditHistory, ReplacedRunsReadBackBothWaysAtTheirOldAndNewLength)
{
    // Gaps that take from one byte to five, and the 32-bit offsets' end.
    const std::vector<std::int64_t> offsets = {0, 2, 200, 20000, 3000000, 400000000, INT32_MAX - 3};
    RunGaps runs;
    ASSERT_TRUE(runs.assign(offsets, 2));
    EXPECT_EQ(runs.encodedBytes(), 1u + 1 + 2 + 3 + 4 + 5 + 5);
    for (const std::int32_t length : {2, 0, 7}) {
        SCOPED_TRACE(length);
        std::vector<std::int64_t> expected;
        for (std::size_t run = 0; run < offsets.size(); ++run) {
            expected.push_back(offsets[run] + static_cast<std::int64_t>(run) * (length - 2));
        }
        std::vector<std::int64_t> forward;
        for (RunGaps::Reader run(runs, length); !run.done(); run.next()) {
            forward.push_back(run.offset());
        }
        std::vector<std::int64_t> backward;
        for (RunGaps::BackwardReader run(runs, length); !run.done(); run.next()) {
            backward.insert(backward.begin(), run.offset());
        }
        EXPECT_EQ(forward, expected);
        EXPECT_EQ(backward, expected);
        EXPECT_EQ(runs.end(length), expected.back() + length);
    }
    EXPECT_FALSE(runs.assign({4, 5}, 2)) << "overlapping";
    EXPECT_FALSE(runs.assign({-1}, 2));
    EXPECT_TRUE(runs.empty());
}

} // namespace
