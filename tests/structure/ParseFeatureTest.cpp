// Each language feature on a small definition and a byte string: the JSON
// the tree gives, and for bad data the error's message, path and offset.
#include "StructureTestSupport.h"

#include "structure/LazyArray.h"

#include <gtest/gtest.h>

namespace {

std::string bytesOf(const std::string& hex)
{
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        i += 2;
    }
    return out;
}

struct Case {
    const char* name;
    const char* ksy; // after "meta: {id: t, endian: le}\n"
    const char* hex;
    std::vector<const char*> fragments; // each must appear in the root's JSON
    const char* error; // "message substring|path|offset", or "" for none
};

const Case featureCases[] = {
    {"integers in both byte orders",
     "seq:\n  - {id: a, type: u2be}\n  - {id: b, type: s2}\n  - {id: c, type: u8}\n",
     "01 02 fe ff ff ff ff ff ff ff ff ff",
     {"\"name\": \"a\", \"kind\": \"seq\", \"type\": \"u2be\", \"offset\": 0, \"size\": 2, \"value\": 258",
      "\"type\": \"s2le\", \"offset\": 2, \"size\": 2, \"value\": -2", "\"value\": 18446744073709551615"},
     ""},
    {"floats",
     "seq:\n  - {id: a, type: f4}\n  - {id: b, type: f8be}\n",
     "00 00 c0 3f 40 09 21 fb 54 44 2d 18",
     {"\"type\": \"f4le\", \"offset\": 0, \"size\": 4, \"value\": 1.5", "\"value\": 3.141592653589793"},
     ""},
    {"bit fields, big-endian bits",
     "seq:\n  - {id: a, type: b3}\n  - {id: b, type: b1}\n  - {id: c, type: b12}\n  - {id: d, type: u1}\n",
     "b5 a3 07",
     {"\"name\": \"a\", \"kind\": \"seq\", \"type\": \"b3\", \"offset\": 0, \"size\": 1, \"bitOffset\": 0, "
      "\"bitSize\": 3, \"value\": 5",
      "\"name\": \"b\", \"kind\": \"seq\", \"type\": \"b1\", \"offset\": 0, \"size\": 1, \"bitOffset\": 3, "
      "\"bitSize\": 1, \"value\": true",
      "\"name\": \"c\", \"kind\": \"seq\", \"type\": \"b12\", \"offset\": 0, \"size\": 2, \"bitOffset\": 4, "
      "\"bitSize\": 12, \"value\": 1443",
      "\"name\": \"d\", \"kind\": \"seq\", \"type\": \"u1\", \"offset\": 2, \"size\": 1, \"value\": 7"},
     ""},
    {"bit fields, little-endian bits",
     "meta:\n  bit-endian: le\nseq:\n  - {id: a, type: b3}\n  - {id: b, type: b13}\n",
     "b5 a3",
     {"\"value\": 5", "\"bitOffset\": 3, \"bitSize\": 13, \"value\": 5238"},
     ""},
    {"strings and encodings",
     "seq:\n  - {id: a, type: str, size: 3, encoding: ASCII}\n  - {id: b, type: str, size: 4, encoding: UTF-16LE}\n"
     "  - {id: c, type: str, size: 4, encoding: ISO-8859-1}\n  - {id: d, type: strz, encoding: UTF-8}\n"
     "  - {id: e, type: str, size: 1, encoding: cp437}\n",
     "41 42 43 68 00 69 00 63 61 66 e9 c3 a9 00 82",
     {"\"value\": \"ABC\"", "\"value\": \"hi\"", "\"value\": \"caf\xC3\xA9\"",
      "\"name\": \"d\", \"kind\": \"seq\", \"type\": \"str\", \"offset\": 11, \"size\": 3, \"value\": \"\xC3\xA9\"",
      "\"name\": \"e\", \"kind\": \"seq\", \"type\": \"str\", \"offset\": 14, \"size\": 1, \"value\": \"\xC3\xA9\""},
     ""},
    {"terminator, include, consume, pad-right",
     "seq:\n  - {id: a, terminator: 0x2c, include: true}\n  - {id: b, terminator: 0x2c, consume: false}\n"
     "  - {id: c, size: 4, pad-right: 0x20}\n  - {id: d, size: 4, terminator: 0, encoding: ASCII, type: str}\n",
     "61 2c 62 2c 63 20 20 20 78 00 79 79",
     {"\"name\": \"a\", \"kind\": \"seq\", \"type\": \"bytes\", \"offset\": 0, \"size\": 2, \"value\": \"612c\"",
      "\"name\": \"b\", \"kind\": \"seq\", \"type\": \"bytes\", \"offset\": 2, \"size\": 1, \"value\": \"62\"",
      "\"name\": \"c\", \"kind\": \"seq\", \"type\": \"bytes\", \"offset\": 3, \"size\": 4, \"value\": \"2c63\"",
      "\"offset\": 7, \"size\": 4, \"value\": \" x\""},
     ""},
    {"eos-error false keeps the rest",
     "seq:\n  - {id: a, terminator: 0, eos-error: false}\n",
     "61 62",
     {"\"size\": 2, \"value\": \"6162\""},
     ""},
    {"contents mismatch",
     "seq:\n  - {id: magic, contents: [0x89, PNG]}\n",
     "89 50 4e 48",
     {"\"name\": \"magic\""},
     "contents differ|magic|0"},
    {"valid: eq, min, max, any-of, expr",
     "seq:\n  - {id: a, type: u1, valid: 1}\n  - {id: b, type: u1, valid: {min: 2, max: 4}}\n"
     "  - {id: c, type: u1, valid: {any-of: [7, 9]}}\n  - {id: d, type: u1, valid: {expr: _ % 2 == 0}}\n",
     "01 03 09 05",
     {"\"name\": \"c\""},
     "fails '_ % 2 == 0'|d|3"},
    {"valid max fails",
     "seq:\n  - {id: a, type: u1}\n  - {id: b, type: u1, valid: {max: a}}\n",
     "01 03",
     {},
     "more than the maximum 1|b|1"},
    {"if leaves a field out",
     "seq:\n  - {id: a, type: u1}\n  - {id: b, type: u1, if: a == 0}\n  - {id: c, type: u1}\n",
     "01 02",
     {"\"name\": \"c\", \"kind\": \"seq\", \"type\": \"u1\", \"offset\": 1, \"size\": 1, \"value\": 2"},
     ""},
    {"repeat eos, expr, until",
     "seq:\n  - {id: n, type: u1}\n  - {id: x, type: u1, repeat: expr, repeat-expr: n}\n"
     "  - {id: y, type: u1, repeat: until, repeat-until: _ == 0 or _index == 5}\n  - {id: z, type: u2, repeat: eos}\n",
     "02 0a 0b 07 00 01 00 02 00",
     {"\"name\": \"x\", \"kind\": \"seq\", \"type\": \"u1[]\", \"offset\": 1, \"size\": 2, \"items\": [{\"name\": "
      "\"[0]\", \"kind\": \"seq\", \"type\": \"u1\", \"offset\": 1, \"size\": 1, \"value\": 10}",
      "\"name\": \"y\", \"kind\": \"seq\", \"type\": \"u1[]\", \"offset\": 3, \"size\": 2",
      "\"name\": \"[1]\", \"kind\": \"seq\", \"type\": \"u2le\", \"offset\": 7, \"size\": 2, \"value\": 2"},
     ""},
    {"repeat eos leaves a partial element",
     "seq:\n  - {id: z, type: u2, repeat: eos}\n",
     "01 00 02",
     {"\"value\": 1"},
     "data ended|z[1]|2"},
    {"a negative repeat count reads nothing",
     "seq:\n  - {id: a, type: u1, repeat: expr, repeat-expr: -1}\n"
     "  - {id: b, type: strz, encoding: ASCII, repeat: expr, repeat-expr: -2}\n  - {id: c, type: u1}\n",
     "07",
     {"\"type\": \"u1[]\", \"offset\": 0, \"size\": 0, \"items\": []",
      "\"type\": \"str[]\", \"offset\": 0, \"size\": 0, \"items\": []", "\"offset\": 0, \"size\": 1, \"value\": 7"},
     ""},
    {"repeat count past the data",
     "seq:\n  - {id: z, type: u4, repeat: expr, repeat-expr: 1000000000}\n",
     "01 00 00 00 02",
     {"\"items\": [{\"name\": \"[0]\""},
     "data ended|z[1]|4"},
    {"switch with cases and a default",
     "seq:\n  - {id: k, type: u1}\n  - id: body\n    type:\n      switch-on: k\n      cases:\n        1: u2be\n        "
     "2: s1\n        _: rec\n"
     "types:\n  rec:\n    seq:\n      - {id: v, type: u1}\n",
     "01 00 05",
     {"\"name\": \"body\", \"kind\": \"seq\", \"type\": \"u2be\", \"offset\": 1, \"size\": 2, \"value\": 5"},
     ""},
    {"enums keep the number and add the label",
     "seq:\n  - {id: a, type: u1, enum: animal}\n  - {id: b, type: u1, enum: animal, valid: {in-enum: true}}\n"
     "enums:\n  animal:\n    1: cat\n    0x2: {id: dog, doc: woof}\ninstances:\n  is_dog:\n    value: b == "
     "animal::dog\n",
     "01 02",
     {"\"value\": 1, \"enum\": \"cat\"", "\"value\": 2, \"enum\": \"dog\"",
      "\"name\": \"is_dog\", \"kind\": \"value\", \"type\": \"bool\", \"offset\": null, \"size\": null, \"value\": "
      "true"},
     ""},
    {"user types with params, _parent, _root and _index",
     "seq:\n  - {id: base, type: u1}\n  - {id: recs, type: 'rec(_index * 10)', repeat: expr, repeat-expr: 2}\n"
     "types:\n  rec:\n    params:\n      - {id: scale, type: u1}\n    seq:\n      - {id: v, type: u1}\n"
     "    instances:\n      total:\n        value: v + scale + _parent.base + _root.base\n",
     "64 01 02",
     {"\"name\": \"total\", \"kind\": \"value\", \"type\": \"int\", \"offset\": null, \"size\": null, \"value\": 201",
      "\"value\": 212"},
     ""},
    {"a sized user type reads in its own stream",
     "seq:\n  - {id: a, type: inner, size: 3}\n  - {id: b, type: u1}\ntypes:\n  inner:\n    seq:\n      - {id: x, "
     "type: u1}\n"
     "    instances:\n      left:\n        value: _io.size - _io.pos\n      whole:\n        value: _io.eof\n",
     "01 02 03 04",
     {"\"name\": \"a\", \"kind\": \"seq\", \"type\": \"inner\", \"offset\": 0, \"size\": 3", "\"value\": 2",
      "\"name\": \"b\", \"kind\": \"seq\", \"type\": \"u1\", \"offset\": 3, \"size\": 1, \"value\": 4"},
     ""},
    {"parse instances with pos, size and io",
     "seq:\n  - {id: p, type: u1}\n  - {id: body, size: 3, type: blob}\ninstances:\n  at:\n    pos: p\n    type: u2\n"
     "  raw:\n    pos: 1\n    size: 2\n  again:\n    io: body._io\n    pos: 1\n    type: u1\n"
     "types:\n  blob:\n    seq:\n      - {id: q, size-eos: true}\n",
     "02 aa bb cc",
     {"\"name\": \"at\", \"kind\": \"instance\", \"type\": \"u2le\", \"offset\": 2, \"size\": 2, \"value\": 52411",
      "\"name\": \"raw\", \"kind\": \"instance\", \"type\": \"bytes\", \"offset\": 1, \"size\": 2, \"value\": \"aabb\"",
      "\"name\": \"again\", \"kind\": \"instance\", \"type\": \"u1\", \"offset\": 2, \"size\": 1, \"value\": 187"},
     ""},
    {"process: xor, rol and zlib, with offsets in the decoded bytes",
     "seq:\n  - {id: a, size: 2, process: xor(0xff)}\n  - {id: b, size: 1, process: rol(1)}\n"
     "  - {id: c, size: 12, process: zlib, type: packed}\ntypes:\n  packed:\n    seq:\n      - {id: n, type: u1}\n     "
     " - {id: rest, size-eos: true}\n",
     "fe fd 81 78 9c 63 65 60 64 02 00 00 1c 00 09",
     {"\"value\": \"0102\"", "\"value\": \"03\"",
      "\"name\": \"c\", \"kind\": \"seq\", \"type\": \"packed\", \"offset\": 3, \"size\": 12",
      "\"name\": \"n\", \"kind\": \"seq\", \"type\": \"u1\", \"offset\": 0, \"size\": 1, \"stream\": \"c\", \"value\": "
      "5",
      "\"offset\": 1, \"size\": 3, \"stream\": \"c\", \"value\": \"000102\""},
     ""},
    {"bad zlib data", "seq:\n  - {id: c, size: 3, process: zlib}\n", "01 02 03", {}, "zlib|c|0"},
    {"byte order switched by a field",
     "seq:\n  - {id: mark, type: str, size: 2, encoding: ASCII}\n  - {id: body, type: body}\ntypes:\n  body:\n"
     "    meta:\n      endian:\n        switch-on: _root.mark\n        cases:\n          '\"II\"': le\n          "
     "'\"MM\"': be\n"
     "    seq:\n      - {id: v, type: u2}\n",
     "4d 4d 01 02",
     {"\"type\": \"u2be\", \"offset\": 2, \"size\": 2, \"value\": 258"},
     ""},
    {"a size past the data is refused, not allocated",
     "seq:\n  - {id: n, type: u4}\n  - {id: blob, size: n}\n",
     "ff ff ff 7f 00",
     {},
     "2147483647 bytes needed, 1 left|blob|4"},
    {"nested errors name the path",
     "seq:\n  - {id: chunks, type: chunk, repeat: eos}\n"
     "types:\n  chunk:\n    seq:\n      - {id: len, type: u1}\n      - {id: body, size: len}\n",
     "01 aa 05 bb",
     {},
     "data ended|chunks[1].body|3"},
    {"instances that depend on themselves",
     "instances:\n  a:\n    value: b + 1\n  b:\n    value: a + 1\n",
     "",
     {"\"name\": \"a\""},
     "depends on itself|"},
    {"a repeat that reads nothing",
     "seq:\n  - {id: e, type: empty, repeat: until, repeat-until: false}\ntypes:\n  empty: {}\n",
     "",
     {},
     "makes no progress|e|0"},
    {"recursion is bounded",
     "seq:\n  - {id: n, type: node}\ntypes:\n  node:\n    seq:\n      - {id: next, type: node}\n",
     "",
     {},
     "nested deeper than 128|"},
    {"value instance of a field's size",
     "seq:\n  - {id: a, type: u4}\n  - {id: s, type: str, size: 2, encoding: ASCII}\n"
     "instances:\n  n:\n    value: a._sizeof + s._sizeof + s.length + sizeof<u2>\n",
     "01 00 00 00 41 42",
     {"\"name\": \"n\", \"kind\": \"value\", \"type\": \"int\", \"offset\": null, \"size\": null, \"value\": 10"},
     ""},
};

TEST(StructureParse, EachFeatureOnSmallDefinitions)
{
    for (const Case& c : featureCases) {
        SCOPED_TRACE(c.name);
        std::string ksy = c.ksy;
        if (ksy.rfind("meta:", 0) == 0) {
            ksy.replace(0, 5,
                        "meta:\n  id: t\n" +
                            std::string(ksy.find("endian") == std::string::npos ? "  endian: le\n" : ""));
        } else {
            ksy = "meta: {id: t, endian: le}\n" + ksy;
        }
        std::unique_ptr<structure_test::Parsed> parsed;
        ASSERT_NO_THROW(parsed = structure_test::parse(ksy, bytesOf(c.hex))) << ksy;
        for (const char* fragment : c.fragments) {
            EXPECT_NE(parsed->json.find(fragment), std::string::npos) << fragment << "\n" << parsed->json;
        }
        const auto& error = parsed->session->error();
        const std::string expected = c.error;
        if (expected.empty()) {
            EXPECT_FALSE(error.has_value()) << error->message << " at " << error->path;
            continue;
        }
        ASSERT_TRUE(error.has_value());
        const std::size_t bar = expected.find('|'), bar2 = expected.find('|', bar + 1);
        EXPECT_NE(error->message.find(expected.substr(0, bar)), std::string::npos) << error->message;
        if (bar2 != std::string::npos) {
            EXPECT_EQ(error->path, expected.substr(bar + 1, bar2 - bar - 1));
            EXPECT_EQ(error->offset, std::stoull(expected.substr(bar2 + 1)));
        }
    }
}

// A table of fixed-size records is counted at once and read element by
// element on request, its bytes found by arithmetic.
TEST(StructureParse, FixedSizeRepeatsAreReadOnRequest)
{
    constexpr std::size_t recordTotal = 100000;
    std::string data(recordTotal * 5, '\0');
    for (std::size_t i = 0; i < recordTotal; ++i) {
        data[i * 5 + 4] = static_cast<char>(i & 0xff);
    }
    const auto parsed =
        structure_test::parse("meta: {id: t, endian: le}\nseq:\n  - {id: recs, type: rec, repeat: eos}\n"
                              "types:\n  rec:\n    seq:\n      - {id: a, type: u4}\n      - {id: b, type: u1}\n",
                              data);
    const structure::Field& recs = parsed->session->root().fields().at(0);
    const auto* lazy = dynamic_cast<const structure::LazyArray*>(recs.item.value.array.get());
    ASSERT_NE(lazy, nullptr);
    EXPECT_EQ(lazy->size(), recordTotal);
    const structure::Item element = lazy->item(70001);
    EXPECT_EQ(element.span.offset, 350005u);
    EXPECT_EQ(element.value.object->fields().at(1).item.value.i, 70001 & 0xff);
    EXPECT_EQ(lazy->indexAt(350009), std::optional<std::size_t>(70001));
    EXPECT_EQ(lazy->indexAt(recordTotal * 5), std::nullopt);
}

} // namespace
