// The core of Copy, Cut, Paste, Insert chars and Find: the selected bytes,
// their clipboard text, pasted text written over the document, the inserted
// count, the search with its pass-over rule and wrap, and the Find dialog's
// text forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/ClipboardCopy.h"
#include "commands/InsertCount.h"
#include "commands/Paste.h"
#include "commands/SearchText.h"
#include "tests/native/LongWorkFakes.h"
#include "tests/native/TestEditor.h"
#include "view/Editing.h"
#include "view/Selection.h"

namespace {

using namespace testeditor;

void putBytes(TestEditor& e, std::int32_t at, const std::vector<std::uint8_t>& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        e.core.buffer.data[static_cast<std::size_t>(at) + i] = bytes[i];
    }
}

// --- Copy ---

struct CopyCase {
    const char* name;
    std::int32_t activePane;
    int octal;
    std::int32_t cursor, selectionEnd;
    std::string text;
};

TEST(CopyText, FollowsThePaneAndTheView)
{
    const std::int32_t hex = EditorCore::hexPaneActive;
    const std::int32_t ascii = EditorCore::asciiPaneActive;
    const CopyCase cases[] = {
        {"hex view", hex, 0, 10, 12, "41 0a ff "},
        {"octal view", hex, 1, 10, 12, "101 012 377 "},
        {"characters", ascii, 0, 10, 12, "A\n\xff"},
        {"characters end at a zero byte", ascii, 0, 10, 15, "A\n\xff" "B"},
        {"the far end before the cursor", hex, 0, 12, 10, "41 0a ff "},
        {"the far end one byte before the cursor", hex, 0, 11, 10, "41 0a "},
        {"the far end on the cursor's byte", hex, 0, 11, 11, "0a "},
        {"the far end past the last byte", hex, 0, 17, 30, "45 46 47 "},
        {"both ends past the last byte", hex, 0, 20, 30, ""},
    };
    for (const CopyCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestEditor e(20);
        putBytes(e, 10, {0x41, 0x0A, 0xFF, 0x42, 0x00, 0x43});
        putBytes(e, 17, {0x45, 0x46, 0x47});
        e.core.activePane = c.activePane;
        e.core.octalMode = c.octal;
        e.placeCursor(c.cursor);
        e.selectTo(c.selectionEnd);
        EXPECT_EQ(wholeText(copyTextPieces(e.core)), c.text);
    }
}

TEST(CopyText, HasNoLimitOnTheSelection)
{
    TestEditor e(1000);
    e.placeCursor(500);
    e.selectTo(101); // 400 bytes, from the far end up to the cursor
    const ByteRange range = selectedBytes(e.core);
    EXPECT_EQ(range.first, 101);
    EXPECT_EQ(range.count, 400);
    const std::string text = wholeText(copyTextPieces(e.core));
    ASSERT_EQ(text.size(), 1200u);
    for (std::int32_t i = 0; i < 400; ++i) {
        char cell[4];
        std::snprintf(cell, sizeof cell, "%02x ", patternByte(101 + i));
        ASSERT_EQ(text.substr(static_cast<std::size_t>(3 * i), 3), cell) << i;
    }
    forgetSelection(e.core);
    EXPECT_EQ(selectedBytes(e.core).count, 0);
    EXPECT_EQ(wholeText(copyTextPieces(e.core)), "");
}

// --- Paste ---

struct PasteCase {
    const char* name;
    std::int32_t activePane;
    int octal;
    std::string text;
    PasteOutcome outcome;
    std::vector<std::uint8_t> bytes; // from offset 10 on
    std::int32_t cursorAfter;
};

TEST(PasteText, OverwritesFromTheCursorWithoutGrowing)
{
    const std::int32_t hex = EditorCore::hexPaneActive;
    const std::int32_t ascii = EditorCore::asciiPaneActive;
    const std::vector<std::uint8_t> untouched{patternByte(10), patternByte(11)};
    const PasteCase cases[] = {
        {"hex", hex, 0, "41 42", PasteOutcome::pasted, {0x41, 0x42}, 12},
        {"hex past the end is left out", hex, 0, "41 42 43", PasteOutcome::cutShort, {0x41, 0x42}, 12},
        {"octal", hex, 1, "101 102", PasteOutcome::pasted, {0x41, 0x42}, 12},
        {"characters", ascii, 0, "hello", PasteOutcome::cutShort, {'h', 'e'}, 12},
        {"invalid hex", hex, 0, "zz", PasteOutcome::invalidHex, untouched, 10},
        {"empty hex", hex, 0, "", PasteOutcome::invalidHex, untouched, 10},
        {"blanks only", hex, 0, "   ", PasteOutcome::invalidHex, untouched, 10},
        {"invalid octal", hex, 1, "8 ", PasteOutcome::invalidOctal, untouched, 10},
    };
    for (const PasteCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestEditor e(12);
        e.core.activePane = c.activePane;
        e.core.octalMode = c.octal;
        e.placeCursor(10);
        const PasteResult pasted = pasteText(e.core, c.text);
        EXPECT_EQ(pasted.outcome, c.outcome);
        EXPECT_EQ(e.byte(10), c.bytes[0]);
        EXPECT_EQ(e.byte(11), c.bytes[1]);
        EXPECT_EQ(e.byte(12), 0) << "the spare room stays zero";
        EXPECT_EQ(e.core.buffer.size, 12);
        EXPECT_EQ(e.core.cursorOffset, c.cursorAfter);
        const bool written = c.outcome == PasteOutcome::pasted || c.outcome == PasteOutcome::cutShort;
        EXPECT_EQ(e.surface.laterRepaints, written ? 1 : 0);
        EXPECT_EQ(pasted.leftOut > 0, c.outcome == PasteOutcome::cutShort);
    }
}

TEST(PasteText, TakesALongTextAndBringsTheCursorIntoView)
{
    TestEditor e(200 * 16 - 1);
    std::string text;
    for (int i = 0; i < 1700; ++i) {
        char cell[4];
        std::snprintf(cell, sizeof cell, "%02x ", i % 251);
        text += cell;
    }
    text.resize(5000); // 1666 groups with their blanks, and the two digits of one more
    e.placeCursor(8);
    ASSERT_EQ(pasteText(e.core, text).outcome, PasteOutcome::pasted);
    const std::int32_t written = 1667;
    for (std::int32_t i = 0; i < written; ++i) {
        ASSERT_EQ(e.byte(8 + i), i % 251) << i;
    }
    EXPECT_EQ(e.byte(7), patternByte(7));
    EXPECT_EQ(e.byte(8 + written), patternByte(8 + written));
    // The cursor went below the view: its row comes to the top.
    e.expectCursorAt(8 + written, (8 + written) / 16, (8 + written) % 16, 0);
    e.expectView((8 + written) / 16, (8 + written) / 16 + 25);
    EXPECT_EQ(e.surface.scrollPositions, std::vector<int>{(8 + written) / 16});
}

// --- Insert chars ---

struct CountCase {
    const char* typed;
    InsertCount::Status status;
    std::int32_t value;
};

// Paste reads Nibblor's bytes before the text; what it cannot paste is told,
// an empty clipboard changes and tells nothing.
TEST(ClipboardFlow, PasteTakesTheBytesFirstAndTellsWhatItLeftOut)
{
    const struct {
        std::vector<std::uint8_t> bytes;
        std::string text;
        PasteOutcome outcome;
        std::uint8_t atCursor;
        std::string told;
    } cases[] = {
        {{0xAA, 0xBB}, "11", PasteOutcome::pasted, 0xAA, ""},
        {{}, "41 42", PasteOutcome::pasted, 0x41, ""},
        {{}, "", PasteOutcome::empty, patternByte(8), ""},
        {{}, "zz", PasteOutcome::invalidHex, patternByte(8), "Invalid Hex string.  Paste in ASCII window"},
        {std::vector<std::uint8_t>(5, 0xCC), "", PasteOutcome::cutShort, 0xCC,
         "3 bytes did not fit before the end of the document and were left out. "
         "Turn on Edit, Insert Mode to paste them all."},
    };
    for (const auto& c : cases) {
        TestEditor e(10);
        RecordingClipboard clipboard;
        e.core.shell.clipboard = &clipboard;
        clipboard.bytes = c.bytes;
        clipboard.text = c.text;
        e.placeCursor(8);
        EXPECT_EQ(canPaste(e.core), c.outcome != PasteOutcome::empty) << c.text;
        EXPECT_EQ(pasteFromClipboard(e.core).outcome, c.outcome) << c.text;
        EXPECT_EQ(e.byte(8), c.atCursor) << c.text;
        EXPECT_EQ(e.surface.told, c.told.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.told});
    }
}

// A clipboard that takes nothing: Copy keeps the selection, Cut the bytes, and
// each says so; a cancelled copy drops its blocks and tells nothing.
TEST(ClipboardFlow, ACopyTheClipboardRefusesChangesNothing)
{
    TestEditor e(10);
    RecordingClipboard clipboard;
    e.core.shell.clipboard = &clipboard;
    clipboard.refuses = true;
    e.placeCursor(2);
    e.selectTo(5);
    EXPECT_EQ(copyToClipboard(e.core, noProgress()), CopyOutcome::failed);
    EXPECT_EQ(cutToClipboard(e.core, noProgress()), CopyOutcome::failed);
    EXPECT_TRUE(e.core.hasSelection());
    EXPECT_EQ(e.core.buffer.size, 10);
    EXPECT_EQ(clipboard.text, "held before");
    EXPECT_EQ(e.surface.told, (std::vector<std::string>{
                                  "The selection could not be copied to the clipboard.",
                                  "The selection could not be copied to the clipboard, so it was not cut."}));

    clipboard.refuses = false;
    ScriptedProgress cancelling(0);
    EXPECT_EQ(copyToClipboard(e.core, cancelling), CopyOutcome::cancelled);
    EXPECT_EQ(clipboard.drops, 1);
    EXPECT_EQ(e.surface.told.size(), 2u);
    EXPECT_EQ(copyToClipboard(e.core, noProgress()), CopyOutcome::copied);
    EXPECT_FALSE(e.core.hasSelection());
}

TEST(InsertCount, ReadsADecimalNumberAndRefusesWhatCannotBeOne)
{
    using Status = InsertCount::Status;
    const CountCase cases[] = {
        {"3", Status::count, 3},         {"12abc", Status::count, 12},       {" +7", Status::count, 7},
        {"2147483647", Status::count, 2147483647},                            {"0", Status::none, 0},
        {"", Status::none, 0},           {"x", Status::none, 0},            {"-4", Status::none, 0},
        {"-99999999999", Status::none, 0}, {"2147483648", Status::outOfRange, 2147483647},
        {"99999999999999999999999", Status::outOfRange, 2147483647},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.typed);
        const InsertCount count = parseInsertCount(c.typed);
        EXPECT_EQ(count.status, c.status);
        if (c.status != Status::none) {
            EXPECT_EQ(count.value, c.value);
        }
    }
}

TEST(InsertZeros, AtTheStartAndRefusedWhenTheDocumentCannotHoldThem)
{
    TestEditor e(8);
    e.placeCursor(0);
    ASSERT_TRUE(e.core.insertZeros(3));
    EXPECT_EQ(e.core.buffer.size, 11);
    EXPECT_EQ(e.byte(0), 0);
    EXPECT_EQ(e.byte(2), 0);
    EXPECT_EQ(e.byte(3), patternByte(0));
    EXPECT_TRUE(canGrowBy(e.core, FileBuffer::maxSize - 11));
    EXPECT_FALSE(canGrowBy(e.core, FileBuffer::maxSize - 10));
    EXPECT_FALSE(e.core.insertZeros(FileBuffer::maxSize - 10));
    EXPECT_EQ(e.core.buffer.size, 11);
}

// Insert chars tells why a count inserts nothing, repeating what was typed.
TEST(InsertZeros, ACountTheDocumentCannotTakeIsToldAndChangesNothing)
{
    const struct {
        std::string typed;
        std::int32_t insertedBytes;
        const char* told;
    } cases[] = {
        {"2", 2, nullptr},
        {"0", 0, "The number of characters \"0\" is not a whole number above zero."},
        {"2147483648", 0, "The number of characters \"2147483648\" is too large."},
        {"2147483647", 0, "Cannot insert 2147483647 characters: the document would pass 2147483647 bytes."},
    };
    for (const auto& c : cases) {
        TestEditor e(8);
        EXPECT_EQ(insertCounted(e.core, parseInsertCount(c.typed), c.typed), c.insertedBytes > 0) << c.typed;
        EXPECT_EQ(e.core.buffer.size, 8 + c.insertedBytes) << c.typed;
        EXPECT_EQ(e.surface.told, c.told == nullptr ? std::vector<std::string>{} : std::vector<std::string>{c.told});
    }
}

// --- Find ---

TEST(FindNext, PassesOverTheLastMatchAndWrapsOnce)
{
    TestEditor e(10);
    putBytes(e, 0, {'x', 'x', 'A', 'B', 'x', 'x', 'A', 'B', 'x', 'x'});
    const std::vector<std::uint8_t> ab{'A', 'B'};
    EXPECT_EQ(e.core.search.findFromCursorRow(ab), FindOutcome::found);
    EXPECT_EQ(e.core.cursorOffset, 2);
    EXPECT_EQ(e.core.search.findFromCursorRow(ab), FindOutcome::found);
    EXPECT_EQ(e.core.cursorOffset, 6);
    // 6 is the last match and 2 lies within a row before it.
    EXPECT_EQ(e.core.search.findFromCursorRow(ab), FindOutcome::onlyEarlierMatches);
    EXPECT_EQ(e.core.cursorOffset, 6);
    EXPECT_EQ(e.core.search.findFromCursorRow({'Q'}), FindOutcome::notFound);
    EXPECT_EQ(e.core.search.findFromCursorRow({}), FindOutcome::notFound) << "an empty pattern matches nothing";
    EXPECT_EQ(e.core.buffer.lastMatchOffset, 6);
}

TEST(FindNext, StartsAtTheCursorsRowAndShowsTheMatch)
{
    TestEditor e(100 * 16 - 1);
    putBytes(e, 50 * 16 + 2, {0xDE, 0xAD}); // earlier on the cursor's row than the cursor
    putBytes(e, 70 * 16, {0xDE, 0xAD});
    putBytes(e, 100 * 16 - 3, {0xDE, 0xAD}); // ending on the last byte
    putBytes(e, 5, {0xDE, 0xAD});
    e.placeCursor(50 * 16 + 9);
    const std::vector<std::uint8_t> pattern{0xDE, 0xAD};
    ASSERT_EQ(e.core.search.findFromCursorRow(pattern), FindOutcome::found);
    e.expectCursorAt(50 * 16 + 2, 50, 2, 0);
    e.expectView(50, 75);
    EXPECT_EQ(e.surface.scrollPositions, std::vector<int>{50});
    ASSERT_EQ(e.core.search.findFromCursorRow(pattern), FindOutcome::found);
    EXPECT_EQ(e.core.cursorOffset, 70 * 16);
    ASSERT_EQ(e.core.search.findFromCursorRow(pattern), FindOutcome::found);
    EXPECT_EQ(e.core.cursorOffset, 100 * 16 - 3);
    e.expectView(75, 100); // the last page, the cursor on its own row
    EXPECT_EQ(e.core.cursorScreenRow, 99 - 75);
    ASSERT_EQ(e.core.search.findFromCursorRow(pattern), FindOutcome::found); // wrapped to the start
    EXPECT_EQ(e.core.cursorOffset, 5);
    EXPECT_EQ(e.core.digitIndex, 0);
}

// --- the Find dialog's forms ---

struct FormCase {
    std::string text;
    SearchForm from, to;
    std::string converted;
};

TEST(SearchText, ConvertsBetweenTheThreeForms)
{
    using F = SearchForm;
    const FormCase cases[] = {
        {"AB", F::ascii, F::hex, "41 42 "},
        {"41 42 ", F::hex, F::ascii, "AB"},
        {"AB", F::ascii, F::octal, "101 102 "},
        {"101 102", F::octal, F::hex, "41 42 "},
        {"41 42", F::hex, F::octal, "101 102 "},
        {"41 42", F::hex, F::hex, "41 42"},
        {"zz", F::hex, F::octal, ""},
        {"41 42 zz", F::hex, F::ascii, "AB"}, // what the parse got before the fault
        {"8", F::octal, F::hex, ""},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(convertSearchText(c.text, c.from, c.to), c.converted);
    }
    EXPECT_EQ(searchPattern("41 42 ", F::hex), (std::vector<std::uint8_t>{0x41, 0x42}));
    EXPECT_EQ(searchPattern("101 102", F::octal), (std::vector<std::uint8_t>{0x41, 0x42}));
    EXPECT_EQ(searchPattern("AB", F::ascii), (std::vector<std::uint8_t>{0x41, 0x42}));
    EXPECT_TRUE(searchPattern("0x12", F::hex).empty());
    EXPECT_TRUE(searchPattern("", F::ascii).empty());
}

} // namespace
