// The Structure window over a 256 MiB document of 16,777,216 records of 16
// bytes: its first screen ready (the tree built, the repeat opened, a
// screenful of rows read), and a screenful further into the repeat at each
// step, with elements opened before it or none.
#include <benchmark/benchmark.h>

#include "document/FileBuffer.h"
#include "structure/DefinitionLoader.h"
#include "structure/posix/IconvTextConverter.h"
#include "structureview/StructureTree.h"

namespace {

constexpr std::int32_t recordCount = 1 << 24;
constexpr std::int32_t recordBytes = 16;
constexpr std::size_t screenRows = 40;

struct Table {
    Table()
    {
        const std::int32_t size = recordCount * recordBytes;
        document.reserve(FileBuffer::capacityFor(size, recordBytes));
        for (std::int32_t i = 0; i < size; ++i) {
            document.data[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 131 + 7);
        }
        document.setSize(size);
    }
    FileBuffer document;
    structure::StandardDefinitionFiles files;
    std::unique_ptr<structure::Definition> definition = structure::loadDefinitionText(
        "records.ksy",
        "meta: {id: records, endian: le}\nseq:\n  - {id: records, type: record, repeat: eos}\n"
        "types:\n  record:\n    seq: [{id: id, type: u4}, {id: offset, type: u4}, {id: kind, type: u2},"
        " {id: flags, type: u2}, {id: checksum, type: u4}]\n",
        files);
    structure::IconvTextConverter converter;
};

Table& table()
{
    static Table records;
    return records;
}

void readScreen(StructureTree& tree, std::size_t first)
{
    for (std::size_t i = first; i < first + screenRows; ++i) {
        benchmark::DoNotOptimize(tree.row(i));
    }
}

void BM_StructureFirstScreen(benchmark::State& state)
{
    Table& records = table();
    for (auto _ : state) {
        StructureTree tree(*records.definition, records.document, records.converter);
        tree.setOpen(0, true);
        readScreen(tree, 0);
        state.counters["rows"] = static_cast<double>(tree.rowCount());
    }
}
BENCHMARK(BM_StructureFirstScreen)->Unit(benchmark::kMillisecond);

void BM_StructureScreenStep(benchmark::State& state)
{
    Table& records = table();
    StructureTree tree(*records.definition, records.document, records.converter);
    tree.setOpen(0, true);
    // Opened from the last, so that the rows of those before stay where they were.
    for (auto element = state.range(0); element > 0; --element) {
        tree.setOpen(1 + static_cast<std::size_t>(element) * recordCount / 8, true);
    }
    std::size_t first = recordCount / 2;
    for (auto _ : state) {
        readScreen(tree, first);
        first = first + screenRows < tree.rowCount() - screenRows ? first + screenRows : recordCount / 2;
    }
}
BENCHMARK(BM_StructureScreenStep)->ArgName("opened")->Arg(0)->Arg(4)->Unit(benchmark::kMicrosecond);

} // namespace
