// The data inspector's writes and the status bar's texts, from the core.
#include <gtest/gtest.h>

#include "editor/StatusLine.h"
#include "tests/native/TestEditor.h"
#include "view/ValueEditing.h"

namespace {

using namespace testeditor;
using Outcome = ValueWrite;

TEST(Inspector, WritesATypedValueOnlyWhereItFitsAndParses)
{
    const struct {
        ValueType type;
        const char* text;
        std::int32_t cursor;
        Outcome outcome;
        const char* message;
    } cases[] = {
        {ValueType::UInt16, "0x1234", 10, Outcome::written, ""},
        {ValueType::Int16, "70000", 10, Outcome::invalid, "70000 is not a valid Int16 value (-32768 to 32767)."},
        {ValueType::Float64, "1.5", 93, Outcome::notEnoughBytes, "Not enough bytes at this offset for a Float64."},
        {ValueType::UInt8, "7", 100, Outcome::notEnoughBytes, "Not enough bytes at this offset for a UInt8."},
        {ValueType::Float64, "1.5", 92, Outcome::written, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TestEditor e(100);
        e.placeCursor(c.cursor);
        const std::uint8_t before = c.cursor < 100 ? e.byte(c.cursor) : 0;
        const ValueWrite write = writeValue(e.core, c.type, c.text, true);
        EXPECT_EQ(write, c.outcome);
        using Told = std::vector<std::string>;
        EXPECT_EQ(e.surface.told, c.outcome == Outcome::written ? Told{} : Told{c.message});
        EXPECT_EQ(e.core.history.steps(), c.outcome == Outcome::written ? 1u : 0u);
        if (c.outcome == Outcome::written) {
            EXPECT_EQ(valueAtCursor(e.core, c.type, true), c.type == ValueType::UInt16 ? "4660" : "1.5");
        } else if (c.cursor < 100) {
            EXPECT_EQ(e.byte(c.cursor), before);
        }
    }
}

TEST(Inspector, AReadOnlyDocumentRefusesWithABeep)
{
    TestEditor e(16);
    e.core.files.setReadOnlyMode(true);
    EXPECT_EQ(writeValue(e.core, ValueType::UInt8, "1", false), Outcome::refused);
    EXPECT_EQ(e.surface.beeps, 1);
    EXPECT_EQ(e.core.history.steps(), 0u);
    EXPECT_EQ(statusTexts(e.core).readOnly, "Read-only");
}

TEST(StatusLine, TextsOfTheCursorSelectionAndSize)
{
    EXPECT_EQ(offsetStatus(26), "Offset: 0x1A (26)");
    EXPECT_EQ(selectionStatus({16, 32}), "Selection: 0x10-0x2F (32 bytes)");
    EXPECT_EQ(selectionStatus({5, 1}), "Selection: 0x5-0x5 (1 byte)");
    EXPECT_EQ(selectionStatus({5, 0}), "");
    EXPECT_EQ(hexDigits(-1), "FFFFFFFFFFFFFFFF") << "all 64 bits, as a structure field's offset may have them";
    const struct {
        std::int64_t value;
        const char* grouped;
    } groups[] = {{0, "0"}, {999, "999"}, {1234, "1,234"}, {123456, "123,456"}, {2147483647, "2,147,483,647"}};
    for (const auto& g : groups) {
        EXPECT_EQ(groupedDecimal(g.value), g.grouped);
    }

    TestEditor e(1234);
    e.placeCursor(40);
    e.selectTo(20); // the moving end before the anchor
    e.core.octalMode = 1;
    const StatusTexts texts = statusTexts(e.core);
    EXPECT_EQ(texts.offset, "Offset: 0x28 (40)");
    EXPECT_EQ(texts.selection, "Selection: 0x14-0x28 (21 bytes)");
    EXPECT_EQ(texts.size, "Size: 1,234 bytes");
    EXPECT_EQ(texts.view, "Octal");
    EXPECT_EQ(texts.readOnly, "");
}

} // namespace
