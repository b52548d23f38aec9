// locate(): the deepest node holding a byte, and that it reads only what lies on the way.
#include "StructureTestSupport.h"

#include "structure/TreeLocate.h"

#include <gtest/gtest.h>

namespace {

const char* const layout = R"(meta: {id: t, endian: le}
seq:
  - {id: magic, contents: [0x4e, 0x42]}
  - {id: flags, type: b4}
  - {id: kind, type: b4}
  - {id: count, type: u1}
  - {id: records, type: record, repeat: expr, repeat-expr: count}
  - {id: packed, size: 2, process: xor(0xff), type: pair}
  - {id: chunks, type: chunk, repeat: until, repeat-until: _.len == 0}
instances:
  trailer: {pos: 30, type: u2}
types:
  record: {seq: [{id: a, type: u2}, {id: b, type: u2}]}
  pair: {seq: [{id: x, type: u1}, {id: y, type: u1}]}
  chunk: {seq: [{id: len, type: u1}, {id: body, size: len}]}
)";

TEST(StructureLocate, DeepestNodeHoldingEachByte)
{
    std::string data = "NB\xa5\x02"
                       "abcdefgh"
                       "\x01\x02"
                       "\x02\xaa\xbb"
                       "\x00";
    data.resize(32, '\0');
    const struct {
        std::uint64_t offset;
        const char* path; // "-" when nothing holds the byte
        std::uint64_t spanOffset, spanSize;
    } cases[] = {
        {0, "magic", 0, 2},
        {2, "flags", 2, 1},
        {3, "count", 3, 1},
        {9, "records[1].a", 8, 2},
        {11, "records[1].b", 10, 2},
        {13, "packed", 12, 2}, // inside the decoded bytes
        {16, "chunks[0].body", 15, 2},
        {17, "chunks[1].len", 17, 1},
        {31, "trailer", 30, 2},
        {20, "-", 0, 0}, // between the seq's end and the instance
        {32, "-", 0, 0},
    };
    const auto parsed = structure_test::parse(layout, data);
    ASSERT_FALSE(parsed->session->error()) << parsed->session->error()->message;
    for (const auto& c : cases) {
        const auto found = structure::locate(*parsed->session, c.offset);
        if (std::string(c.path) == "-") {
            EXPECT_FALSE(found) << c.offset << " is held by " << found->path;
            continue;
        }
        ASSERT_TRUE(found) << c.offset;
        EXPECT_EQ(found->path, c.path) << c.offset;
        EXPECT_EQ(found->span.offset, c.spanOffset) << c.offset;
        EXPECT_EQ(found->span.size, c.spanSize) << c.offset;
    }
}

class CountingSource final : public structure::ByteSource {
public:
    std::uint64_t size() const override { return bytes.size(); }
    bool read(std::uint64_t offset, std::uint8_t* out, std::size_t count) const override
    {
        ++reads;
        return bytes.read(offset, out, count);
    }
    structure::MemoryByteSource bytes{std::vector<std::uint8_t>(400000, 7)};
    mutable int reads = 0;
};

TEST(StructureLocate, ReadsOnlyWhatLiesOnTheWay)
{
    structure::StandardDefinitionFiles files;
    const auto definition =
        structure::loadDefinitionText("t.ksy",
                                      "meta: {id: t, endian: le}\nseq:\n  - {id: records, type: record, repeat: eos}\n"
                                      "types:\n  record: {seq: [{id: a, type: u2}, {id: b, type: u2}]}\n",
                                      files);
    CountingSource source; // 100,000 records of 4 bytes
    structure::IconvTextConverter converter;
    structure::ParseSession session(*definition, source, converter);
    session.parse();
    source.reads = 0;
    const auto found = structure::locate(session, 399999);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, "records[99999].b");
    EXPECT_LE(source.reads, 4);
}

} // namespace
