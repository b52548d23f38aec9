// Bookmarks following their bytes through insertions, removals and undo,
// and stepped through with wrapping. Their frames are checked on the pixels
// under Wine.
#include <gtest/gtest.h>

#include <vector>

#include "tests/native/TestEditor.h"
#include "view/Editing.h"
#include "view/UndoRedo.h"
#include "view/Bookmarking.h"

namespace {

using namespace testeditor;
using Marks = std::vector<std::int32_t>;

RunGaps runsAt(const std::vector<std::int64_t>& offsets, std::int32_t length)
{
    RunGaps runs;
    EXPECT_TRUE(runs.assign(offsets, length));
    return runs;
}

TEST(Bookmarks, FollowTheirBytesThroughChangesOfLength)
{
    // Marks on bytes 10 and 20 of a 100-byte document.
    const struct {
        const char* name;
        void (*change)(Bookmarks&);
        Marks after;
    } cases[] = {
        {"inserted before both", [](Bookmarks& b) { b.inserted(5, 3); }, {13, 23}},
        {"inserted at a mark: it moves with its byte", [](Bookmarks& b) { b.inserted(10, 3); }, {13, 23}},
        {"inserted between", [](Bookmarks& b) { b.inserted(11, 3); }, {10, 23}},
        {"inserted after both", [](Bookmarks& b) { b.inserted(21, 3); }, {10, 20}},
        {"removed before both", [](Bookmarks& b) { b.removed(2, 3); }, {7, 17}},
        {"removed over a mark", [](Bookmarks& b) { b.removed(9, 3); }, {17}},
        {"removed just after a mark", [](Bookmarks& b) { b.removed(11, 3); }, {10, 17}},
        {"runs shrunk before and over marks", [](Bookmarks& b) { b.runsReplaced(runsAt({4, 19}, 3), 3, 1); }, {8}},
        {"runs grown before marks", [](Bookmarks& b) { b.runsReplaced(runsAt({4, 14}, 2), 2, 5); }, {13, 26}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bookmarks marks;
        marks.toggle(20);
        marks.toggle(10);
        c.change(marks);
        EXPECT_EQ(marks.offsets(), c.after);
    }
}

TEST(Bookmarks, StepWithWrappingAndComeBackWithUndo)
{
    TestEditor e(100);
    for (const std::int32_t at : {30, 70}) {
        e.placeCursor(at);
        toggleBookmark(e.core);
    }
    e.placeCursor(50);
    const struct {
        bool (*step)(EditorCore&);
        std::int32_t cursor;
    } steps[] = {{&nextBookmark, 70}, {&nextBookmark, 30},
                 {&previousBookmark, 70}, {&previousBookmark, 30}};
    for (const auto& s : steps) {
        ASSERT_TRUE(s.step(e.core));
        EXPECT_EQ(e.core.cursorOffset, s.cursor);
    }

    e.placeCursor(28);
    e.selectTo(32);
    deleteAndUnselect(e.core);
    EXPECT_EQ(e.core.buffer.marks.offsets(), Marks{65}) << "the removed byte's mark goes, the later one follows";
    ASSERT_EQ(undo(e.core), UndoOutcome::done);
    EXPECT_EQ(e.core.buffer.marks.offsets(), (Marks{30, 70}));
    ASSERT_EQ(redo(e.core), UndoOutcome::done);
    EXPECT_EQ(e.core.buffer.marks.offsets(), Marks{65});

    clearBookmarks(e.core);
    EXPECT_FALSE(nextBookmark(e.core));
}

} // namespace
