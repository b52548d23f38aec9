// Each kind of bad definition is refused with FILE:LINE:COLUMN and a reason;
// expression errors point at the column inside the expression.
#include "StructureTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

struct Case {
    const char* yaml;
    const char* where; // FILE:LINE:COLUMN
    const char* reason;
};

const Case featureCases[] = {
    {"meta: {id: t}\nseq:\n  - id: a\n    type: u1\n   - bad", "test.ksy:5:4", "YAML"},
    {"meta: {id: t}\nseq:\n  - id: a\n    type: u1\n    colour: red\n", "test.ksy:5:5", "unknown key 'colour'"},
    {"meta: {id: t, flavour: x}\n", "test.ksy:1:15", "unknown key 'flavour' in meta"},
    {"seq: []\n", "test.ksy:1:1", "needs 'meta'"},
    {"meta: {id: T}\n", "test.ksy:1:12", "lowercase"},
    {"meta: {id: t}\nseq:\n  - id: a\n    type: u3\n", "test.ksy:4:11", "unknown type 'u3'"},
    {"meta: {id: t}\nseq:\n  - id: a\n    type: u1\n    enum: colours\n", "test.ksy:3:5", "unknown enum 'colours'"},
    {"meta: {id: t}\nseq:\n  - id: a\n    type: u1\n    if: a +* 2\n", "test.ksy:5:12", "bad expression"},
    {"meta: {id: t}\nseq:\n  - id: a\n    size: '(1 + 2'\n", "test.ksy:4:18", "expected ')'"},
    {"meta: {id: t}\nseq:\n  - id: a\n    type: u1\n    repeat: sometimes\n", "test.ksy:5:13", "eos, expr or until"},
    {"meta: {id: t}\nseq:\n  - id: a\n    type: u1\n    repeat: expr\n", "test.ksy:3:5", "needs 'repeat-expr'"},
    {"meta: {id: t}\nseq:\n  - id: a\n    contents: [1, 300]\n", "test.ksy:4:19", "0 to 255"},
    {"meta: {id: t}\nseq:\n  - id: a\n    type: str\n", "test.ksy:3:5", "needs size"},
    {"meta: {id: t}\nseq:\n  - id: a\n    type: u1\n  - id: a\n    type: u1\n", "test.ksy:3:5", "defined twice"},
    {"meta: {id: t}\nseq:\n  - id: a\n    type: u1\n    consume: maybe\n", "test.ksy:5:14", "true or false"},
    {"meta: {id: t}\nseq:\n  - id: a\n    size: 2\n    process: bzip2\n", "test.ksy:5:14", "unknown process"},
    {"meta: {id: t}\ninstances:\n  v:\n    value: x::y::z\n", "test.ksy:4:12", "unknown enum 'x::y'"},
    {"meta: {id: t}\nenums:\n  e:\n    1: one\ninstances:\n  v:\n    value: e::two\n", "test.ksy:7:12",
     "no label 'two'"},
    {"meta: {id: t}\ninstances:\n  v:\n    value: '1 + sizeof<nothing>'\n", "test.ksy:4:17", "unknown type 'nothing'"},
    {"meta: {id: t, endian: middle}\n", "test.ksy:1:23", "le or be"},
    {"meta: {id: t}\nenums:\n  e:\n    one: x\n", "test.ksy:4:5", "enum key must be an integer"},
    {"meta: {id: t}\nseq:\n  - id: a\n    type: u1\n    type: u2\n", "test.ksy:5:5", "duplicate key"},
    {"meta: {id: t, imports: [missing_file]}\n", "test.ksy:1:25", "cannot find the import"},
};

TEST(StructureDefinitionErrors, NameFileLineColumnAndReason)
{
    for (const Case& c : featureCases) {
        const std::string message = structure_test::loadError(c.yaml);
        EXPECT_EQ(message.rfind(std::string(c.where) + ": ", 0), 0u) << c.yaml << "\n -> " << message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << c.yaml << "\n -> " << message;
    }
}

// Files that import one another load once each; `/`-rooted imports are
// found from a folder above the importing file.
TEST(StructureDefinitionErrors, ImportCyclesLoadOnceAndRootedImportsResolve)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() /
                         ("nibblor-ksy-imports-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(dir / "lib");
    std::ofstream(dir / "lib" / "a.ksy") << "meta: {id: a, imports: [/lib/b], endian: le}\nseq:\n  - {id: x, type: "
                                            "u1}\n  - {id: next, type: b, if: x != 0}\n";
    std::ofstream(dir / "lib" / "b.ksy") << "meta: {id: b, imports: [a], endian: le}\nseq:\n  - {id: inner, type: a}\n";
    std::ofstream(dir / "self.ksy")
        << "meta: {id: self, imports: [lib/a]}\nseq:\n  - {id: first, type: a}\n  - {id: bad, type: c}\n";
    structure::StandardDefinitionFiles files;
    const auto definition = structure::loadDefinition((dir / "lib" / "a.ksy").string(), files);
    EXPECT_EQ(definition->modules().size(), 2u);
    try {
        structure::loadDefinition((dir / "self.ksy").string(), files);
        ADD_FAILURE() << "an unknown type loaded";
    } catch (const structure::DefinitionError& e) {
        EXPECT_NE(std::string(e.what()).find("self.ksy:4:21: unknown type 'c'"), std::string::npos) << e.what();
    }
    fs::remove_all(dir);
}

} // namespace
