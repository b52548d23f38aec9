// Find on a 256 MiB document whose 8-byte pattern lies only in its last 16
// bytes, beside the C library's memmem on the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

#include "document/FileBuffer.h"
#include "tests/bench/RandomFill.h"

namespace {

constexpr std::int32_t documentBytes = 256 << 20;
const std::uint8_t pattern[] = {0x4E, 0x69, 0x62, 0x62, 0x6C, 0x6F, 0x72, 0x21};
constexpr auto patternLength = static_cast<std::int32_t>(sizeof pattern);

// Random bytes, the pattern placed 16 bytes before the end and nowhere else.
const FileBuffer& document()
{
    static FileBuffer* buffer = [] {
        auto* b = new FileBuffer();
        b->reserve(FileBuffer::capacityFor(documentBytes, b->bytesPerRow()));
        std::uint8_t* bytes = b->data.get();
        fillRandom(bytes, documentBytes);
        std::memcpy(bytes + documentBytes - 16, pattern, sizeof pattern);
        b->setSize(documentBytes);
        const void* first = memmem(bytes, documentBytes, pattern, sizeof pattern);
        if (first != bytes + documentBytes - 16) {
            std::abort(); // the random bytes happened to hold the pattern: pick another seed
        }
        return b;
    }();
    return *buffer;
}

void BM_FindBytes256MiB(benchmark::State& state)
{
    const FileBuffer& buffer = document();
    for (auto _ : state) {
        const std::int32_t found = buffer.findBytes(pattern, 0, patternLength);
        if (found != documentBytes - 16) {
            state.SkipWithError("wrong match");
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(state.iterations() * documentBytes);
}
BENCHMARK(BM_FindBytes256MiB)->Unit(benchmark::kMillisecond);

void BM_Memmem256MiB(benchmark::State& state)
{
    const FileBuffer& buffer = document();
    for (auto _ : state) {
        const void* found = memmem(buffer.data.get(), documentBytes, pattern, sizeof pattern);
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(state.iterations() * documentBytes);
}
BENCHMARK(BM_Memmem256MiB)->Unit(benchmark::kMillisecond);

} // namespace
