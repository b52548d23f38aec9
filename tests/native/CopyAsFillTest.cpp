// Copy As's text forms, and Fill as one change undone to the exact bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "commands/ClipboardCopy.h"
#include "commands/CopyAs.h"
#include "commands/Fill.h"
#include "tests/native/TestEditor.h"
#include "view/Editing.h"
#include "view/UndoRedo.h"

namespace {

using namespace testeditor;

// Both ends of printable ASCII and bytes on either side of them.
const std::uint8_t sample[] = {0x4d, 0x5a, 0x90, 0x00, 0x41, 0x7e, 0x7f, 0x20, 0xff,
                               0x0a, 0x31, 0x32, 0x33, 0x2e, 0x80, 0x61, 0x62};
const std::string cFirst16 = "0x4d, 0x5a, 0x90, 0x00, 0x41, 0x7e, 0x7f, 0x20, 0xff, 0x0a, 0x31, 0x32, 0x33, 0x2e, "
                             "0x80, 0x61";
const std::string pyFirst16 = "\\x4d\\x5a\\x90\\x00\\x41\\x7e\\x7f\\x20\\xff\\x0a\\x31\\x32\\x33\\x2e\\x80\\x61";

TEST(CopyAs, EveryFormOfNoneOneSixteenAndSeventeenBytes)
{
    // The hex dump starts mid-row (one and sixteen bytes) and at a row's start (seventeen).
    const struct { CopyAsForm form; std::size_t count; std::int64_t firstOffset; std::string expected; } cases[] = {
        {CopyAsForm::cArray, 1, 0, "unsigned char data[1] = {\r\n    0x4d\r\n};\r\n"},
        {CopyAsForm::cArray, 16, 0, "unsigned char data[16] = {\r\n    " + cFirst16 + "\r\n};\r\n"},
        {CopyAsForm::cArray, 17, 0, "unsigned char data[17] = {\r\n    " + cFirst16 + ",\r\n    0x62\r\n};\r\n"},
        {CopyAsForm::pythonBytes, 1, 0, "b'\\x4d'"},
        {CopyAsForm::pythonBytes, 16, 0, "b'" + pyFirst16 + "'"},
        {CopyAsForm::pythonBytes, 17, 0, "b'" + pyFirst16 + "\\x62'"},
        {CopyAsForm::base64, 1, 0, "TQ=="},
        {CopyAsForm::base64, 16, 0, "TVqQAEF+fyD/CjEyMy6AYQ=="},
        {CopyAsForm::base64, 17, 0, "TVqQAEF+fyD/CjEyMy6AYWI="},
        {CopyAsForm::hexDump, 1, 0x13,
         "00000010           4d                                         M            \r\n"},
        {CopyAsForm::hexDump, 16, 0x1FFA,
         "00001FF0                                4d 5a 90 00 41 7e            MZ..A~\r\n"
         "00002000  7f 20 ff 0a 31 32 33 2e 80 61                    . ..123..a      \r\n"},
        {CopyAsForm::hexDump, 17, 0,
         "00000000  4d 5a 90 00 41 7e 7f 20 ff 0a 31 32 33 2e 80 61  MZ..A~. ..123..a\r\n"
         "00000010  62                                               b               \r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(copyAsText(c.form, sample, c.count, c.firstOffset), c.expected);
        EXPECT_EQ(copyAsText(c.form, sample, 0, c.firstOffset), "");
    }
}

TEST(CopyAs, Base64OfTheStandardVectors)
{
    const std::string vectors[][2] = {{"f", "Zg=="},         {"fo", "Zm8="},        {"foo", "Zm9v"},
                                      {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}};
    for (const auto& [text, expected] : vectors) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
        EXPECT_EQ(copyAsText(CopyAsForm::base64, bytes, text.size(), 0), expected) << text;
    }
}

TEST(CopyAs, TextWrittenInPiecesOfAnyLengthIsTheWholeText)
{
    const auto expectWholeFromPieces = [](const PiecewiseText& text) {
        const std::string whole = wholeText(text);
        for (std::size_t piece = 1; piece <= 7; ++piece) {
            std::string pieces(whole.size() + 1, '?');
            for (std::size_t from = 0; from < text.byteCount; from += piece) {
                text.write(&pieces[0], from, std::min(text.byteCount, from + piece));
            }
            EXPECT_EQ(pieces.substr(0, whole.size()), whole) << "pieces of " << piece;
        }
    };
    for (const CopyAsForm form : {CopyAsForm::cArray, CopyAsForm::pythonBytes, CopyAsForm::base64, CopyAsForm::hexDump}) {
        expectWholeFromPieces(copyAsPieces(form, sample, sizeof sample, 0x13));
    }
    // Copy's own text: hexadecimal, octal, and the characters.
    TestEditor e(40);
    e.placeCursor(3);
    e.selectTo(30);
    for (const auto& [pane, octal] : {std::pair{EditorCore::hexPaneActive, 0}, {EditorCore::hexPaneActive, 1},
                                      {EditorCore::asciiPaneActive, 0}}) {
        e.core.activePane = pane;
        e.core.octalMode = octal;
        expectWholeFromPieces(copyTextPieces(e.core));
    }
}

std::vector<std::uint8_t> documentOf(const EditorCore& core)
{
    return std::vector<std::uint8_t>(core.buffer.data.get(), core.buffer.data.get() + core.buffer.size);
}

TEST(Fill, PatternsOfAnyLengthRepeatOverTheSelectionAndAreUndoneExactly)
{
    // Bytes 5 to 11 selected from the later end; no bytes filled means the fill is refused.
    const struct { std::vector<std::uint8_t> pattern, filled; bool selected, readOnly; } cases[] = {
        {{0xaa, 0xbb}, {0xaa, 0xbb, 0xaa, 0xbb, 0xaa, 0xbb, 0xaa}, true, false},
        {{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 7}, true, false},
        {{9, 8, 7, 6, 5, 4, 3, 2, 1}, {9, 8, 7, 6, 5, 4, 3}, true, false},
        {{1}, {}, false, false},
        {{}, {}, true, false},
        {{1}, {}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "pattern of " << c.pattern.size() << (c.readOnly ? ", read-only" : ""));
        TestEditor e(20);
        const std::vector<std::uint8_t> original = documentOf(e.core);
        e.core.files.setReadOnlyMode(c.readOnly);
        e.placeCursor(11);
        if (c.selected) {
            e.selectTo(5);
        }
        ASSERT_EQ(fillSelection(e.core, c.pattern), !c.filled.empty());
        std::vector<std::uint8_t> expected = original;
        std::copy(c.filled.begin(), c.filled.end(), expected.begin() + 5);
        EXPECT_EQ(documentOf(e.core), expected);
        EXPECT_EQ(selectedBytes(e.core).count, c.selected ? 7 : 0);
        EXPECT_EQ(e.core.history.steps(), c.filled.empty() ? 0u : 1u);
        e.core.files.setReadOnlyMode(false);
        EXPECT_EQ(undo(e.core), c.filled.empty() ? UndoOutcome::nothing : UndoOutcome::done);
        EXPECT_EQ(documentOf(e.core), original);
    }
}

} // namespace
