// The Structure window's core beside the tree: the definitions found in
// folders and the one an extension calls for, a definition chosen or its
// error, the tree and the cursor following each other, the tints published
// only while shown, and a reparse after a change.
#include <gtest/gtest.h>

#include <fstream>

#include "structureview/DefinitionCatalogue.h"
#include "structureview/StructureView.h"
#include "tests/native/TempDir.h"
#include "tests/native/TestEditor.h"
#include "view/Editing.h"

namespace {

const char* const records = "meta: {id: recs, title: Records, file-extension: [REC, dat], endian: le}\n"
                            "seq:\n  - {id: head, type: u2}\n  - {id: items, type: item, repeat: expr, repeat-expr: 3}\n"
                            "types:\n  item: {seq: [{id: a, type: u1}, {id: b, type: u1}]}\n";

class NoConverter final : public structure::TextConverter {
public:
    bool toUtf8(const std::string&, const std::string&, std::string&) const override { return false; }
};

struct Folder {
    Folder()
    {
        write("records.ksy", records);
        write("plain.ksy", "meta: {id: plain}\nseq: [{id: x, type: u1}]\n");
        write("broken.KSY", "meta: {id: broken}\nseq:\n  - {id: x, type: nosuch}\n");
        write("notes.txt", "not a definition");
    }
    void write(const std::string& name, const std::string& text) { std::ofstream(dir.file(name)) << text; }
    TempDir dir;
};

TEST(DefinitionCatalogue, ListsDefinitionsByTitleAndFindsOneByExtension)
{
    Folder folder;
    const structure::StandardDefinitionFiles files;
    const auto entries = findDefinitions({folder.dir.file(""), folder.dir.file("missing")}, files);
    std::string titles;
    for (const CatalogueEntry& entry : entries) {
        titles += entry.title + " ";
    }
    EXPECT_EQ(titles, "broken plain Records ") << "by title, a broken one by its file's name";
    const struct {
        const char* fileName;
        const char* extension;
        std::optional<std::size_t> entry;
    } cases[] = {
        {"C:\\data\\log.rec", "rec", 2}, {"table.DAT", "dat", 2}, {"plain", "", std::nullopt},
        {"archive.tar.gz", "gz", std::nullopt}, {".rec", "", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(extensionOf(c.fileName), c.extension) << c.fileName;
        EXPECT_EQ(entryForExtension(entries, extensionOf(c.fileName)), c.entry) << c.fileName;
    }
}

struct ViewOverDocument {
    ViewOverDocument() : editor(16), view(editor.core, converter, files) {}
    NoConverter converter;
    structure::StandardDefinitionFiles files;
    testeditor::TestEditor editor;
    StructureView view;
};

TEST(StructureView, ADefinitionThatDoesNotLoadSaysWhereAndShowsNoTree)
{
    Folder folder;
    ViewOverDocument v;
    EXPECT_FALSE(v.view.choose(folder.dir.file("broken.KSY")));
    EXPECT_EQ(v.view.loadError().rfind(folder.dir.file("broken.KSY") + ":3:", 0), 0u) << v.view.loadError();
    EXPECT_EQ(v.view.tree(), nullptr);
    EXPECT_TRUE(v.view.choose(folder.dir.file("records.ksy")));
    EXPECT_EQ(v.view.loadError(), "");
    EXPECT_NE(v.view.tree(), nullptr);
}

TEST(StructureView, TreeAndCursorFollowEachOtherAndTintsShowOnlyWhileShown)
{
    Folder folder;
    ViewOverDocument v;
    ASSERT_TRUE(v.view.choose(folder.dir.file("records.ksy")));
    EXPECT_EQ(v.editor.core.fieldTints, nullptr) << "hidden: no tints";
    v.view.setShown(true);
    EXPECT_EQ(v.editor.core.fieldTints, &v.view.tree()->tints());
    v.view.setColourFields(false);
    EXPECT_EQ(v.editor.core.fieldTints, nullptr);
    v.view.setColourFields(true);

    v.editor.placeCursor(5); // items[1].b
    const auto row = v.view.followCursor();
    ASSERT_TRUE(row);
    EXPECT_EQ(v.view.tree()->row(*row).path, "items[1].b");
    EXPECT_FALSE(v.view.followCursor()) << "the cursor has not moved since";

    const auto items = v.view.tree()->rowForPath("items", false);
    ASSERT_TRUE(items);
    v.view.showRow(*items);
    EXPECT_EQ(v.editor.core.cursorOffset, 2);
    EXPECT_EQ(v.editor.core.selectionEndColumn, 7) << "the three items' six bytes";
    EXPECT_FALSE(v.view.followCursor()) << "the row's own cursor is not followed back to a child";
    EXPECT_EQ(v.view.tree()->selectedRow(), items);

    EXPECT_FALSE(v.view.followDocument());
    v.editor.placeCursor(0);
    typeDigit(v.editor.core, 'f');
    const int repaints = v.editor.surface.laterRepaints;
    EXPECT_TRUE(v.view.followDocument()) << "a change is parsed again";
    EXPECT_EQ(v.editor.surface.laterRepaints, repaints) << "no field moved: the panes are not repainted";
    FieldTints moved = v.view.tree()->tints();
    moved.setTopLevel({{0, 3, 0}});
    EXPECT_FALSE(moved.sameAs(v.view.tree()->tints()));
    EXPECT_TRUE(v.view.tree()->tints().sameAs(v.view.tree()->tints()));
    EXPECT_EQ(v.editor.byte(0) >> 4, 0xF);
    EXPECT_EQ(v.view.tree()->row(0).item.value.i, v.editor.byte(0) | v.editor.byte(1) << 8);

    v.view.chooseNone();
    EXPECT_EQ(v.editor.core.fieldTints, nullptr);
}

} // namespace
