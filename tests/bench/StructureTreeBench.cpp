// The Structure window over a 256 MiB document of 16,777,216 records of 16
// bytes: its first screen ready (the tree built, the repeat opened, a
// screenful of rows read), and a screenful further into the repeat at each
// step, with elements opened before it or none.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "document/FileBuffer.h"
#include "structure/DefinitionLoader.h"
#include "structure/posix/IconvTextConverter.h"
#include "structureview/StructureTree.h"

namespace {

constexpr std::size_t recordCount = 1 << 24;
constexpr std::size_t screenRows = 40;

struct Table {
    FileBuffer document;
    structure::StandardDefinitionFiles files;
    std::unique_ptr<structure::Definition> definition = structure::loadDefinitionText(
        "records.ksy",
        "meta: {id: records, endian: le}\nseq:\n  - {id: records, type: record, repeat: eos}\n"
        "types:\n  record:\n    seq: [{id: id, type: u4}, {id: offset, type: u4}, {id: kind, type: u2},"
        " {id: flags, type: u2}, {id: checksum, type: u4}]\n",
        files);
    structure::IconvTextConverter converter;
    Table()
    {
        document.reserve(FileBuffer::capacityFor(recordCount * 16, 16));
        std::fill_n(document.data.get(), recordCount * 16, std::uint8_t{0x5A});
        document.setSize(recordCount * 16);
    }
    std::unique_ptr<StructureTree> openTree()
    {
        auto tree = std::make_unique<StructureTree>(*definition, document, converter);
        tree->setOpen(0, true);
        return tree;
    }
};

void readScreen(StructureTree& tree, std::size_t first)
{
    for (std::size_t i = first; i < first + screenRows; ++i) {
        benchmark::DoNotOptimize(tree.row(i));
    }
}

void BM_StructureFirstScreen(benchmark::State& state)
{
    static Table table;
    for (auto _ : state) {
        const auto tree = table.openTree();
        readScreen(*tree, 0);
        state.counters["rows"] = static_cast<double>(tree->rowCount());
    }
}
BENCHMARK(BM_StructureFirstScreen)->Unit(benchmark::kMillisecond);

void BM_StructureScreenStep(benchmark::State& state)
{
    static Table table;
    const auto tree = table.openTree();
    // From the last, so that the rows of those before stay where they were.
    for (auto element = static_cast<std::size_t>(state.range(0)); element > 0; --element) {
        tree->setOpen(1 + element * recordCount / 8, true);
    }
    std::size_t first = recordCount / 2;
    for (auto _ : state) {
        readScreen(*tree, first);
        first = first + 2 * screenRows < tree->rowCount() ? first + screenRows : recordCount / 2;
    }
}
BENCHMARK(BM_StructureScreenStep)->ArgName("opened")->Arg(0)->Arg(4)->Unit(benchmark::kMicrosecond);

} // namespace
