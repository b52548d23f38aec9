// The undo history alone: its memory limit and the saved state.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

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

} // namespace
