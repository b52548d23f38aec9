// The Structure window's tree model over a document: rows flattened as they
// open and close, the row for a byte, a reparse keeping open rows, the tints
// of bytes and typed values written into fields and undone.
#include <gtest/gtest.h>

#include <algorithm>

#include "structure/DefinitionLoader.h"
#include "structureview/FieldEditing.h"
#include "structureview/RowText.h"
#include "structureview/StructureTree.h"
#include "tests/native/TestEditor.h"
#include "view/UndoRedo.h"

namespace {

const char* const layout = R"(meta: {id: t, endian: le, encoding: ASCII}
seq:
  - {id: magic, contents: [0x4e, 0x42]}
  - {id: count, type: u1}
  - {id: records, type: record, repeat: expr, repeat-expr: count}
  - {id: name, type: strz, size: 4}
  - {id: kind, type: u2be, enum: kinds}
  - {id: ratio, type: f4}
  - {id: blob, size: 17}
  - {id: chunks, type: chunk, repeat: until, repeat-until: _.len == 0}
  - {id: flags, type: b3}
  - {id: mode, type: b5}
instances:
  twice: {value: count * 2}
types:
  record: {seq: [{id: a, type: u2}, {id: b, type: s2}]}
  chunk: {seq: [{id: len, type: u1}, {id: body, size: len}]}
enums:
  kinds: {1: small, 640: large}
)";
const std::string sample = std::string("NB\x02\x0a\x00\xff\xff\x80\x02\x05\x00" "ab\0\0" "\x02\x80" "\x00\x00\xc0\x3f", 21) +
                           std::string("\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e\x0f\x10", 17) +
                           std::string("\x02\xaa\xbb\x00\xa5", 5);

class NoConverter final : public structure::TextConverter {
public:
    bool toUtf8(const std::string&, const std::string&, std::string&) const override { return false; }
};

struct TreeOverDocument {
    TreeOverDocument() : editor(static_cast<std::int32_t>(sample.size()))
    {
        editor.core.buffer.overwrite(0, reinterpret_cast<const std::uint8_t*>(sample.data()), sample.size());
        tree = std::make_unique<StructureTree>(*definition, editor.core.buffer, converter);
    }
    std::string names()
    {
        std::string all;
        for (std::size_t i = 0; i < tree->rowCount(); ++i) {
            all += (i ? " " : "") + tree->row(i).name;
        }
        return all;
    }
    std::string document() const
    {
        const ByteSpan bytes = editor.core.buffer.all();
        return {bytes.begin(), bytes.end()};
    }
    std::size_t at(const std::string& path) { return tree->rowForPath(path, true).value_or(SIZE_MAX); }

    std::unique_ptr<structure::Definition> definition =
        structure::loadDefinitionText("t.ksy", layout, structure::StandardDefinitionFiles());
    NoConverter converter;
    testeditor::TestEditor editor;
    std::unique_ptr<StructureTree> tree;
};

const char* const topRows = "magic count records[2] name kind ratio blob chunks[2] flags mode twice";

TEST(StructureTree, RowsFlattenAsTheyOpenAndClose)
{
    TreeOverDocument t;
    const struct {
        const char* path; // the row opened or closed
        bool open;
        const char* names;
    } steps[] = {
        {"records", true, "magic count records[2] [0] [1] name kind ratio blob chunks[2] flags mode twice"},
        {"records[1]", true, "magic count records[2] [0] [1] a b name kind ratio blob chunks[2] flags mode twice"},
        {"records", false, topRows},
        {"records", true, "magic count records[2] [0] [1] a b name kind ratio blob chunks[2] flags mode twice"},
        {"records[1]", false, "magic count records[2] [0] [1] name kind ratio blob chunks[2] flags mode twice"},
        {"chunks", true, "magic count records[2] [0] [1] name kind ratio blob chunks[2] [0] [1] flags mode twice"},
        {"count", true, "magic count records[2] [0] [1] name kind ratio blob chunks[2] [0] [1] flags mode twice"},
    };
    EXPECT_EQ(t.names(), topRows);
    for (const auto& step : steps) {
        const bool opens = std::string(step.path) != "count";
        EXPECT_EQ(t.tree->setOpen(t.at(step.path), step.open), opens) << step.path;
        EXPECT_EQ(t.names(), step.names) << step.path;
    }
}

TEST(StructureTree, AHugeRepeatsRowsAreFoundByArithmetic)
{
    constexpr std::int32_t count = 1 << 24;
    testeditor::TestEditor editor(count);
    const auto definition = structure::loadDefinitionText("t.ksy", "meta: {id: t}\nseq: [{id: cells, type: u1, repeat: eos}]",
                                                          structure::StandardDefinitionFiles());
    NoConverter converter;
    StructureTree tree(*definition, editor.core.buffer, converter);
    ASSERT_EQ(tree.rowForOffset(count - 1), std::size_t{count});
    EXPECT_EQ(tree.rowCount(), std::size_t{count} + 1);
    const StructureRow last = tree.row(count);
    EXPECT_EQ(last.path, "cells[16777215]");
    EXPECT_EQ(last.item.value.i, testeditor::patternByte(count - 1));
    tree.select(0);
    EXPECT_EQ(tree.tints().tintAt(count - 1), fieldTintPalette[(count - 1) % fieldTintCount]);
}

TEST(StructureTree, AnElementThatCannotBeReadKeepsItsPlaceAndNameAndTheErrorShows)
{
    testeditor::TestEditor editor(3);
    const std::uint8_t bytes[] = {1, 2, 1};
    editor.core.buffer.overwrite(0, bytes, sizeof bytes);
    const auto definition = structure::loadDefinitionText(
        "t.ksy", "meta: {id: t}\nseq: [{id: marks, type: mark, repeat: expr, repeat-expr: 3}]\n"
                 "types: {mark: {seq: [{id: m, type: str, size: 1, encoding: NO-SUCH}]}}\n", structure::StandardDefinitionFiles());
    NoConverter converter;
    StructureTree tree(*definition, editor.core.buffer, converter);
    ASSERT_TRUE(tree.setOpen(0, true));
    std::string names;
    for (std::size_t i = 0; i < tree.rowCount(); ++i) {
        const StructureRow row = tree.row(i);
        names += std::to_string(row.depth) + row.name + " ";
    }
    EXPECT_EQ(names.rfind("0marks[3] 1[0] 1[1] 1[2] 0error: ", 0), 0u) << names;
}

TEST(StructureTree, RowsShowTheirValuesPlacesAndTypes)
{
    TreeOverDocument t;
    const struct {
        const char* path;
        RowText text;
    } rows[] = {
        {"magic", {"magic", "4E 42", "0x0", "2", "bytes"}},
        {"count", {"count", "2", "0x2", "1", "u1"}},
        {"records", {"records[2]", "", "0x3", "8", "record[]"}},
        {"records[0].a", {"a", "10 (0xA)", "0x3", "2", "u2le"}},
        {"records[0].b", {"b", "-1", "0x5", "2", "s2le"}},
        {"records[1].a", {"a", "640 (0x280)", "0x7", "2", "u2le"}},
        {"name", {"name", "\"ab\"", "0xB", "4", "str"}},
        {"kind", {"kind", "large (640)", "0xF", "2", "u2be"}},
        {"ratio", {"ratio", "1.5", "0x11", "4", "f4le"}},
        {"blob", {"blob", "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\xE2\x80\xA6", "0x15", "17", "bytes"}},
        {"twice", {"twice", "4", "", "", "int"}},
    };
    for (const auto& expected : rows) {
        const RowText text = rowText(t.tree->row(t.at(expected.path)));
        EXPECT_EQ(std::vector<std::string>({text.name, text.value, text.offset, text.size, text.type}),
                  std::vector<std::string>({expected.text.name, expected.text.value, expected.text.offset,
                                            expected.text.size, expected.text.type}))
            << expected.path;
    }
}

TEST(StructureTree, DataEndedShowsAnErrorRowLast)
{
    TreeOverDocument t;
    t.editor.core.buffer.setSize(20); // ratio cut short
    t.tree->reparse();
    const RowText last = rowText(t.tree->row(t.tree->rowCount() - 1));
    EXPECT_EQ(last.name, "error: data ended: 4 bytes needed, 3 left");
    EXPECT_EQ(last.value, "ratio");
    EXPECT_EQ(last.offset, "0x11");
}

TEST(StructureTree, RowForAByteIsTheDeepestWithItsParentsOpened)
{
    const struct {
        std::uint64_t offset;
        const char* path; // "" when no field holds the byte
    } cases[] = {
        {0, "magic"}, {3, "records[0].a"}, {10, "records[1].b"}, {12, "name"},
        {37, "blob"}, {40, "chunks[0].body"}, {41, "chunks[1].len"}, {42, "flags"}, {43, ""},
    };
    for (const auto& c : cases) {
        TreeOverDocument t;
        const auto row = t.tree->rowForOffset(c.offset);
        EXPECT_EQ(row ? t.tree->row(*row).path : "", c.path) << c.offset;
    }
}

TEST(StructureTree, ReparseKeepsOpenRowsAndSelectionByPath)
{
    const struct {
        std::int32_t offset;
        char byte;
        const char* names;
        const char* selected; // "" when its path is gone
    } changes[] = {
        {3, '\x07', "magic count records[2] [0] [1] a b name kind ratio blob chunks[2] flags mode twice", "records[1].b"},
        {2, '\x01', "magic count records[1] [0] name kind ratio blob chunks[1] twice error: data ended: 13 bytes needed, 8 left", ""},
    };
    for (const auto& change : changes) {
        TreeOverDocument t;
        t.tree->setOpen(t.at("records"), true);
        t.tree->setOpen(t.at("records[1]"), true);
        t.tree->select(t.at("records[1].b"));
        t.editor.core.buffer.overwrite(change.offset, reinterpret_cast<const std::uint8_t*>(&change.byte), 1);
        t.tree->reparse();
        EXPECT_EQ(t.names(), change.names);
        const auto selected = t.tree->selectedRow();
        EXPECT_EQ(selected ? t.tree->row(*selected).path : "", change.selected);
    }
}

TEST(StructureTree, BytesTakeTheTintOfTheirFieldOrOfTheSelectedRowsChild)
{
    const struct {
        const char* selected; // "" for none
        std::vector<std::pair<std::uint64_t, int>> tints; // offset, palette index or -1
    } cases[] = {
        {"", {{0, 0}, {1, 0}, {2, 1}, {10, 2}, {11, 3}, {20, 5}, {37, 6}, {38, 7}, {41, 7}, {42, 0}, {43, -1}}},
        {"records", {{2, 1}, {3, 0}, {6, 0}, {7, 1}, {10, 1}, {11, 3}}},
        {"records[1]", {{3, 2}, {7, 0}, {9, 1}, {11, 3}}},
        {"chunks", {{37, 6}, {38, 0}, {40, 0}, {41, 1}}},
    };
    for (const auto& c : cases) {
        TreeOverDocument t;
        if (*c.selected) {
            t.tree->select(t.at(c.selected));
        }
        for (const auto& [offset, place] : c.tints) {
            const auto tint = t.tree->tints().tintAt(offset);
            EXPECT_EQ(tint ? static_cast<int>(std::find(std::begin(fieldTintPalette), std::end(fieldTintPalette),
                                                        *tint) -
                                              std::begin(fieldTintPalette))
                           : -1,
                      place)
                << c.selected << " at " << offset;
        }
    }
}

TEST(StructureTree, TypedValuesAreWrittenAsOneChangeOrRefusedNamingTheType)
{
    const struct {
        const char* path;
        const char* text;
        std::vector<std::uint8_t> bytes; // at the field's offset; none when refused
        const char* told;                // part of the message when refused
    } cases[] = {
        {"records[0].a", "513", {0x01, 0x02}, ""},
        {"records[0].a", "70000", {}, "UInt16 value (0 to 65535)"},
        {"records[0].b", "-2", {0xFE, 0xFF}, ""},
        {"kind", "small", {0x00, 0x01}, ""},
        {"kind", "3", {0x00, 0x03}, ""},
        {"kind", "huge", {}, "Or a label of kinds"},
        {"ratio", "2", {0x00, 0x00, 0x00, 0x40}, ""},
        {"name", "xyz", {'x', 'y', 'z', 0}, ""},
        {"name", "\"q\"", {'q', 0, 0, 0}, ""},
        {"name", "abcde", {}, "more than str (ASCII, up to 4 bytes)"},
        {"name", "\xC3\xA9", {}, "cannot be written as str (ASCII"},
        {"magic", "4e 43", {0x4E, 0x43}, ""},
        {"magic", "4e", {}, "bytes value (2 bytes in hex)"},
        {"twice", "3", {}, "Only a field whose bytes lie in the file"},
        {"flags", "2", {0x45}, ""},
        {"mode", "31", {0xBF}, ""},
        {"flags", "8", {}, "b3 value (0 to 7)"},
    };
    for (const auto& c : cases) {
        TreeOverDocument t;
        const std::size_t row = t.at(c.path);
        const std::uint64_t offset = t.tree->row(row).item.span.offset;
        const FieldWrite result = writeField(t.editor.core, *t.tree, row, c.text);
        const std::string now = t.document();
        if (c.bytes.empty()) {
            EXPECT_EQ(result, FieldWrite::invalid) << c.path << " " << c.text;
            ASSERT_EQ(t.editor.surface.told.size(), 1u) << c.path << " " << c.text;
            EXPECT_NE(t.editor.surface.told[0].find(c.told), std::string::npos) << t.editor.surface.told[0];
            EXPECT_EQ(now, sample);
            continue;
        }
        EXPECT_EQ(result, FieldWrite::written) << c.path << " " << c.text;
        std::string expected = sample;
        expected.replace(static_cast<std::size_t>(offset), c.bytes.size(), std::string(c.bytes.begin(), c.bytes.end()));
        EXPECT_EQ(now, expected) << c.path << " " << c.text;
        EXPECT_EQ(undo(t.editor.core), UndoOutcome::done);
        EXPECT_EQ(t.document(), sample);
        EXPECT_EQ(undo(t.editor.core), UndoOutcome::nothing) << "one change";
    }
}

TEST(StructureTree, AReadOnlyDocumentBeepsAndKeepsItsBytes)
{
    TreeOverDocument t;
    t.editor.core.files.setReadOnlyMode(true);
    EXPECT_EQ(writeField(t.editor.core, *t.tree, t.at("count"), "3"), FieldWrite::refused);
    EXPECT_EQ(t.editor.surface.beeps, 1);
    EXPECT_EQ(t.document(), sample);
}

} // namespace
