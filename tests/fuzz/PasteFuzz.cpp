// Pasted text at any cursor, in either data pane and either view: the
// document keeps its size, only the bytes from the cursor on change, and the
// cursor ends after what was written with its fields in step.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "commands/Paste.h"
#include "editor/EditorCore.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/native/RecordingSurface.h"
#include "text/ByteTextCodec.h"
#include "view/Cursor.h"

namespace {

constexpr std::int32_t maxDocumentSize = 2048;
constexpr int charWidth = 8;
constexpr int lineHeight = 16;

// Layout of the input: the document's size, the cursor, the view's top row,
// the pane and view flags, then the pasted text.
struct PasteCase {
    std::int32_t size = 0;
    std::int32_t cursor = 0;
    std::int32_t topRow = 0;
    bool octal = false;
    bool asciiPane = false;
    bool recentred = false;
    std::string text;
};

constexpr unsigned octalFlag = 1;
constexpr unsigned asciiPaneFlag = 2;
constexpr unsigned recentredFlag = 4;

PasteCase readCase(FuzzInput& input, int bytesPerRow)
{
    PasteCase c;
    c.size = input.word() % (maxDocumentSize + 1);
    // Up to a row past the end, where a move down onto a short last row leaves it.
    c.cursor = input.word() % (c.size + bytesPerRow);
    c.topRow = input.byte();
    const unsigned flags = input.byte();
    c.octal = (flags & octalFlag) != 0;
    c.asciiPane = (flags & asciiPaneFlag) != 0;
    c.recentred = (flags & recentredFlag) != 0;
    c.text = input.rest();
    return c;
}

std::uint8_t documentByte(std::int32_t offset)
{
    return static_cast<std::uint8_t>((offset * 13 + 5) % 251 + 1); // never zero
}

// The bytes the paste should write: the text itself in the ASCII pane, its
// parse in the hex pane (none when it does not parse).
std::vector<std::uint8_t> pastedBytes(const PasteCase& c)
{
    if (c.asciiPane) {
        return std::vector<std::uint8_t>(c.text.begin(), c.text.end());
    }
    const int length = static_cast<int>(c.text.size());
    std::vector<std::uint8_t> parsed(c.text.size() / 2 + 2);
    const int count = c.octal ? parseOctal(parsed.data(), c.text.c_str(), length)
                              : parseHex(parsed.data(), c.text.c_str(), length);
    parsed.resize(static_cast<std::size_t>(count));
    return parsed;
}

// What the paste must leave alone, or may move only as the cursor requires.
struct ViewBefore {
    std::int32_t rowCount;
    std::int32_t digitIndex;
    std::int32_t selectionEndRow;
    std::int32_t selectionEndColumn;
    std::int32_t firstVisibleRow;
    std::int32_t lastVisibleRow;
};

void checkCursorFields(const EditorCore& core)
{
    check(core.cursorOffset == core.cursorRow * core.bytesPerRow + core.cursorColumn,
          "cursorOffset == cursorRow * bytesPerRow + cursorColumn");
    check(core.cursorColumn >= 0 && core.cursorColumn < core.bytesPerRow, "the column lies in a row");
    check(core.cursorScreenRow == core.cursorRow - core.firstVisibleRow,
          "cursorScreenRow == cursorRow - firstVisibleRow");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    RecordingSurface surface;
    EditorCore core;
    core.shell.surface = &surface;
        core.shell.prompts = &surface;
    core.charWidth = charWidth;
    core.lineHeight = lineHeight;
    FuzzInput input(data, size);
    const PasteCase c = readCase(input, core.bytesPerRow);

    check(core.buffer.reserve(FileBuffer::capacityFor(c.size, core.bytesPerRow)), "room for the document");
    for (std::int32_t i = 0; i < c.size; ++i) {
        core.buffer.data[static_cast<std::size_t>(i)] = documentByte(i);
    }
    core.buffer.setSize(c.size);
    core.octalMode = c.octal ? 1 : 0;
    core.activePane = c.asciiPane ? EditorCore::asciiPaneActive : EditorCore::hexPaneActive;
    core.scrollToRow(c.topRow);
    setCursorOffset(core, c.cursor);
    if (c.recentred) {
        core.recenterOnCursor();
    }
    const ViewBefore before{core.buffer.rowCount, core.digitIndex, core.selectionEndRow, core.selectionEndColumn,
                            core.firstVisibleRow, core.lastVisibleRow};
    const std::vector<std::uint8_t> expected = pastedBytes(c);

    const PasteResult result = pasteText(core, c.text);
    const PasteOutcome outcome = result.outcome;

    check(core.buffer.size == c.size && core.buffer.rowCount == before.rowCount, "the size never changes");
    check(core.digitIndex == before.digitIndex && core.selectionEndRow == before.selectionEndRow &&
              core.selectionEndColumn == before.selectionEndColumn,
          "the digit and the selection stay");
    checkCursorFields(core);
    if (expected.empty() && !c.asciiPane) {
        check(outcome == (c.octal ? PasteOutcome::invalidOctal : PasteOutcome::invalidHex),
              "text that gives no bytes is rejected");
        check(core.cursorOffset == c.cursor && core.firstVisibleRow == before.firstVisibleRow &&
                  core.lastVisibleRow == before.lastVisibleRow,
              "a rejected paste moves nothing");
        return 0;
    }
    const std::int32_t room = std::max(c.size - c.cursor, 0);
    const std::int32_t written = std::min(static_cast<std::int32_t>(expected.size()), room);
    const std::int64_t leftOut = static_cast<std::int64_t>(expected.size()) - written;
    check(outcome == (leftOut > 0 ? PasteOutcome::cutShort : PasteOutcome::pasted),
          "text that gives bytes is pasted, cut short only past the end");
    check(result.leftOut == leftOut, "the bytes left out are counted");
    check(core.cursorOffset == c.cursor + written, "the cursor ends after the last byte written");

    const std::uint8_t* bytes = core.buffer.data.get();
    for (std::int32_t i = 0; i < c.size; ++i) {
        const bool pasted = i >= c.cursor && i < c.cursor + written;
        const std::uint8_t want = pasted ? expected[static_cast<std::size_t>(i - c.cursor)] : documentByte(i);
        check(bytes[i] == want, pasted ? "the pasted bytes are written" : "bytes outside the paste never change");
    }
    check(allZero(bytes + c.size, static_cast<std::size_t>(core.buffer.capacity() - c.size)),
          "the spare room stays zero");

    const bool wentBelow = static_cast<std::int64_t>(core.cursorOffset) >
                           static_cast<std::int64_t>(before.lastVisibleRow) * core.bytesPerRow;
    if (!wentBelow) {
        check(core.firstVisibleRow == before.firstVisibleRow && core.lastVisibleRow == before.lastVisibleRow,
              "the view stays while the cursor is not below it");
    } else if (core.cursorOffset <= c.size) {
        check(core.firstVisibleRow <= core.cursorRow && core.cursorRow < core.lastVisibleRow,
              "the view follows a cursor that went below it");
    }
    return 0;
}
