// Which definitions let the JSON skip its walk ahead: only those whose
// deferred reads (instances, elements of lazy repeats) cannot fail.
#include "StructureTestSupport.h"

#include "structure/LazyReadFaults.h"

#include <gtest/gtest.h>

namespace {

TEST(StructureLazyReadFaults, OnlyPlainFixedElementsSkipTheWalk)
{
    const char* const records = "seq:\n  - {id: r, type: rec, repeat: eos}\ntypes:\n  rec:\n    seq:\n      - {id: a, ";
    const struct {
        const char* meta;
        const char* table; // "" for none
        const char* rest;
        bool mayFail;
    } cases[] = {
        {"endian: le", "", "seq: [{id: a, type: u4}, {id: b, size: 3}, {id: c, type: u2, repeat: eos}]", false},
        {"endian: le", "", "seq: [{id: a, type: u1}]\ninstances:\n  b: {pos: 9, type: u1}", true},
        {"endian: le", records, "type: u2}\n      - {id: b, type: b4}\n      - {id: c, size: 2}", false},
        {"encoding: ASCII", records, "type: str, size: 2}", true},
        {"bit-endian: le", records, "type: u2}", true}, // byte order left to the parent
        {"endian: le", records, "type: u2}\n    instances:\n      v: {value: a * 2}", true},
        {"endian: le", records, "type: pair}\n  pair:\n    params: [{id: n, type: u1}]\n    seq: [{id: x, type: u1}]",
         true},
    };
    for (const auto& c : cases) {
        const std::string ksy = std::string("meta: {id: t, ") + c.meta + "}\n" + c.table + c.rest + "\n";
        structure::StandardDefinitionFiles files;
        EXPECT_EQ(structure::lazyReadsMayFail(*structure::loadDefinitionText("t.ksy", ksy, files)), c.mayFail) << ksy;
    }
}

} // namespace
