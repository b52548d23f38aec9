// Undo and redo of every edit through the core: the bytes, the cursor put
// back where the change was made, the view, the modified flag and the
// question before a change too large to undo.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "commands/Paste.h"
#include "tests/native/TestEditor.h"
#include "view/Editing.h"
#include "view/UndoRedo.h"
#include "view/ValueEditing.h"
#include "view/Scrolling.h"

namespace {

using namespace testeditor;

std::vector<std::uint8_t> documentOf(const EditorCore& core)
{
    return std::vector<std::uint8_t>(core.buffer.data.get(), core.buffer.data.get() + core.buffer.size);
}

// The core in insert mode, in the octal view when asked.
EditorCore& inserting(EditorCore& core, bool octal = false)
{
    core.typing.setInserting(true);
    core.octalMode = octal ? 1 : 0;
    return core;
}

TEST(UndoRedo, InsertModeTypesAtTheStartAndAppendsAtTheEnd)
{
    for (const std::int32_t at : {0, 100}) {
        SCOPED_TRACE(at);
        TestEditor e(100);
        const std::vector<std::uint8_t> original = documentOf(e.core);
        e.core.typing.setInserting(true);
        e.placeCursor(at);
        ASSERT_TRUE(typeDigit(e.core, '4') && typeDigit(e.core, '1'));
        std::vector<std::uint8_t> expected = original;
        expected.insert(expected.begin() + at, 0x41);
        EXPECT_EQ(documentOf(e.core), expected);
        EXPECT_EQ(e.core.cursorOffset, at + 1);
        ASSERT_EQ(undo(e.core), UndoOutcome::done);
        EXPECT_EQ(documentOf(e.core), original);
    }
}

TEST(UndoRedo, EveryEditIsUndoneAndRedoneWithTheCursorWhereItWasMade)
{
    // Each edit made with the cursor on byte 37 (row 2, column 5) and bytes 37 to 56 selected.
    const struct {
        const char* name;
        std::function<void(EditorCore&)> edit;
        std::int32_t sizeAfter;
    } cases[] = {
        {"two digits into one byte", [](EditorCore& c) { typeDigit(c, 'a') && typeDigit(c, 'b'); }, 100},
        {"a character", [](EditorCore& c) { typeCharacter(c, 'Q'); }, 100},
        {"paste", [](EditorCore& c) { pasteText(c, "01 02 03"); }, 100},
        {"delete", [](EditorCore& c) { deleteAndUnselect(c); }, 80},
        {"insert", [](EditorCore& c) { c.insertZeros(7); }, 107},
        {"a value typed in the inspector", [](EditorCore& c) { writeValue(c, ValueType::Int32, "-2", true); }, 100},
        {"insert mode: two digits make one new byte",
         [](EditorCore& c) { typeDigit(inserting(c), 'a') && typeDigit(c, 'b'); }, 101},
        {"insert mode, octal: three digits make one new byte",
         [](EditorCore& c) { typeDigit(inserting(c, true), '3') && typeDigit(c, '0') && typeDigit(c, '1'); }, 101},
        {"insert mode: a character", [](EditorCore& c) { typeCharacter(inserting(c), 'Q'); }, 101},
        {"insert mode: paste", [](EditorCore& c) { pasteText(inserting(c), "01 02 03"); }, 103},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestEditor e(100);
        const std::vector<std::uint8_t> original = documentOf(e.core);
        e.placeCursor(37);
        e.selectTo(56);
        c.edit(e.core);
        const std::vector<std::uint8_t> edited = documentOf(e.core);
        ASSERT_NE(edited, original);
        EXPECT_EQ(e.core.buffer.size, c.sizeAfter);
        EXPECT_EQ(e.core.history.steps(), 1u);
        EXPECT_TRUE(e.core.history.modified());

        e.placeCursor(90);
        ASSERT_EQ(undo(e.core), UndoOutcome::done);
        EXPECT_EQ(documentOf(e.core), original);
        e.expectCursorAt(37, 2, 5, 2);
        EXPECT_FALSE(e.core.hasSelection());
        EXPECT_FALSE(e.core.history.modified());
        EXPECT_EQ(undo(e.core), UndoOutcome::nothing);

        e.placeCursor(90);
        ASSERT_EQ(redo(e.core), UndoOutcome::done);
        EXPECT_EQ(documentOf(e.core), edited);
        e.expectCursorAt(37, 2, 5, 2);
        EXPECT_TRUE(e.core.history.modified());
        EXPECT_EQ(redo(e.core), UndoOutcome::nothing);
        EXPECT_EQ(e.surface.titleChanges, 3) << "modified, unmodified, modified again";
    }
}

// Off the screen the changed row comes to the top, as a found match does; on
// it the view stays.
TEST(UndoRedo, AChangeOffTheScreenIsBroughtToTheTop)
{
    TestEditor e(100 * 16);
    e.showRowsFrom(30);
    e.placeCursor(40 * 16 + 3);
    typeCharacter(e.core, 'x');
    e.showRowsFrom(0);
    e.surface.clear();
    ASSERT_EQ(undo(e.core), UndoOutcome::done);
    e.expectView(40, 65);
    e.expectCursorAt(40 * 16 + 3, 40, 3, 0);
    EXPECT_EQ(e.surface.scrollPositions, std::vector<int>{40});

    e.showRowsFrom(30);
    ASSERT_EQ(redo(e.core), UndoOutcome::done);
    e.expectView(30, 55);
    e.expectCursorAt(40 * 16 + 3, 40, 3, 10);
}

TEST(UndoRedo, AChangeTooLargeToRecordIsPutToTheUserFirst)
{
    for (const bool goOn : {false, true}) {
        SCOPED_TRACE(goOn ? "Yes" : "No");
        TestEditor e(100);
        e.core.history = EditHistory(EditHistory::stepCharge + 40);
        typeCharacter(e.core, 'z');
        e.placeCursor(10);
        e.selectTo(59); // 50 bytes: more than the history holds
        e.surface.answer = goOn;
        deleteAndUnselect(e.core);
        EXPECT_EQ(e.surface.questions, std::vector<std::string>{"This change cannot be undone. Continue?"});
        EXPECT_TRUE(e.core.history.modified());
        if (!goOn) {
            EXPECT_EQ(e.core.buffer.size, 100);
            EXPECT_TRUE(e.core.hasSelection());
            EXPECT_EQ(e.core.history.steps(), 1u) << "the earlier step stays";
            EXPECT_EQ(pasteText(e.core, std::string(100, '7')).outcome, PasteOutcome::declined);
            EXPECT_EQ(e.byte(10), patternByte(10));
        } else {
            EXPECT_EQ(e.core.buffer.size, 50);
            EXPECT_EQ(undo(e.core), UndoOutcome::nothing) << "the history is forgotten";
        }
    }
}

} // namespace
