// Comparing two 256 MiB documents: counting 1,000 scattered differences
// beside a memcmp of the two, and a Next Difference jump over 128 MiB of
// equal bytes beside a memcmp of that range.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "document/Differences.h"
#include "tests/bench/RandomFill.h"

namespace {

constexpr std::int64_t documentBytes = std::int64_t{256} << 20;
constexpr std::int64_t equalStretch = std::int64_t{128} << 20;
constexpr int scatteredDifferences = 1000;
constexpr unsigned randomSeed = 2026;

struct Pair {
    std::vector<std::uint8_t> document;
    std::vector<std::uint8_t> other;
};

// Random bytes, and a copy of them with 1,000 bytes changed at random places after the first 128 MiB.
const Pair& documents()
{
    static const Pair pair = [] {
        Pair p;
        p.document.resize(static_cast<std::size_t>(documentBytes));
        fillRandom(p.document.data(), p.document.size(), randomSeed);
        p.other = p.document;
        std::mt19937_64 random(randomSeed);
        for (int i = 0; i < scatteredDifferences; ++i) {
            const auto at = static_cast<std::size_t>(equalStretch) +
                            static_cast<std::size_t>(random() % static_cast<std::uint64_t>(documentBytes - equalStretch));
            p.other[at] = static_cast<std::uint8_t>(~p.document[at]);
        }
        return p;
    }();
    return pair;
}

void BM_CountDifferences(benchmark::State& state)
{
    const Pair& p = documents();
    for (auto _ : state) {
        benchmark::DoNotOptimize(countDifferences(p.document.data(), documentBytes, p.other.data(), documentBytes));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * documentBytes);
}
BENCHMARK(BM_CountDifferences)->Unit(benchmark::kMillisecond);

void BM_MemcmpDocuments(benchmark::State& state)
{
    const Pair& p = documents();
    std::vector<std::uint8_t> copy = p.document; // equal all through, so memcmp reads every byte
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::memcmp(p.document.data(), copy.data(), static_cast<std::size_t>(documentBytes)));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * documentBytes);
}
BENCHMARK(BM_MemcmpDocuments)->Unit(benchmark::kMillisecond);

void BM_NextDifferenceOver128MiB(benchmark::State& state)
{
    const Pair& p = documents();
    for (auto _ : state) {
        benchmark::DoNotOptimize(nextDifference(p.document.data(), documentBytes, p.other.data(), documentBytes, 0));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * equalStretch);
}
BENCHMARK(BM_NextDifferenceOver128MiB)->Unit(benchmark::kMillisecond);

void BM_MemcmpOf128MiB(benchmark::State& state)
{
    const Pair& p = documents();
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::memcmp(p.document.data(), p.other.data(), static_cast<std::size_t>(equalStretch)));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * equalStretch);
}
BENCHMARK(BM_MemcmpOf128MiB)->Unit(benchmark::kMillisecond);

} // namespace
