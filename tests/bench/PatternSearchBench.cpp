// Pattern searches over 256 MiB of random bytes, each beside the C library's
// memmem of the exact bytes on the same data; every match of a pattern found
// about a million times; and a long periodic pattern whose start lies earlier.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "document/PatternSearch.h"
#include "tests/bench/RandomFill.h"

namespace {

constexpr std::int64_t documentBytes = std::int64_t{256} << 20;
// The caseless pattern, written in mixed case where it lies in the data.
const std::string caselessText = "haystack";
const std::vector<std::uint8_t> placedText = {'h', 'A', 'y', 'S', 't', 'A', 'c', 'K'};
constexpr char wildcardHex[] = "4D 5A ?? 00 03";
const std::vector<std::uint8_t> placedHex = {0x4D, 0x5A, 0x90, 0x00, 0x03};
constexpr std::int64_t textOffset = documentBytes - 32;
constexpr std::int64_t hexOffset = documentBytes - 16;
// One match every `matchSpacing` bytes: 1 Mi of them, besides those by chance.
const std::vector<std::uint8_t> frequentPair = {0x4E, 0x62};
constexpr std::int64_t matchSpacing = 256;
constexpr std::size_t keptMatches = 100000;
constexpr unsigned randomSeed = 2026;
// 64 KiB of 'Q' with an 'R' every 97 bytes, near the end; its first 30,000
// bytes also lie early in the data. The wildcard form has "??" every 1,024 bytes.
constexpr std::size_t periodicLength = 64 << 10, periodicSpacing = 97, decoyLength = 30000, wildcardSpacing = 1024;
constexpr std::int64_t decoyOffset = 1 << 20, periodicOffset = documentBytes - (64 << 10) - 64;

std::vector<std::uint8_t> randomBytes()
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(documentBytes));
    fillRandom(bytes.data(), bytes.size(), randomSeed);
    return bytes;
}

SearchPattern textPattern()
{
    return caselessPattern(std::vector<std::uint8_t>(caselessText.begin(), caselessText.end()), asciiCaseFolding());
}

SearchPattern hexPattern()
{
    std::string error;
    return parseHexPattern(wildcardHex, true, error);
}

// Random bytes holding both patterns near the end and nowhere else.
const std::vector<std::uint8_t>& searchedData()
{
    static const std::vector<std::uint8_t> data = [] {
        std::vector<std::uint8_t> bytes = randomBytes();
        std::memcpy(bytes.data() + textOffset, placedText.data(), placedText.size());
        std::memcpy(bytes.data() + hexOffset, placedHex.data(), placedHex.size());
        if (findForward(bytes.data(), 0, documentBytes, textPattern()) != textOffset ||
            findForward(bytes.data(), 0, documentBytes, hexPattern()) != hexOffset) {
            std::abort(); // the random bytes happened to hold a pattern: pick another seed
        }
        return bytes;
    }();
    return data;
}

const std::vector<std::uint8_t>& frequentData()
{
    static const std::vector<std::uint8_t> data = [] {
        std::vector<std::uint8_t> bytes = randomBytes();
        for (std::int64_t at = 0; at < documentBytes; at += matchSpacing) {
            std::memcpy(bytes.data() + at, frequentPair.data(), frequentPair.size());
        }
        return bytes;
    }();
    return data;
}

std::vector<std::uint8_t> periodicText()
{
    std::vector<std::uint8_t> bytes(periodicLength, 'Q');
    for (std::size_t at = periodicSpacing - 1; at < periodicLength; at += periodicSpacing) {
        bytes[at] = 'R';
    }
    return bytes;
}

const std::vector<std::uint8_t>& decoyedData()
{
    static const std::vector<std::uint8_t> data = [] {
        std::vector<std::uint8_t> bytes = randomBytes();
        std::memcpy(bytes.data() + decoyOffset, periodicText().data(), decoyLength);
        std::memcpy(bytes.data() + periodicOffset, periodicText().data(), periodicLength);
        return bytes;
    }();
    return data;
}

void search(benchmark::State& state, const SearchPattern& pattern, std::int64_t expected,
            const std::vector<std::uint8_t>& data = searchedData())
{
    for (auto _ : state) {
        const std::int64_t found = findForward(data.data(), 0, documentBytes, pattern);
        if (found != expected) {
            state.SkipWithError("wrong match");
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(state.iterations() * documentBytes);
}

void memmemReference(benchmark::State& state, const std::vector<std::uint8_t>& needle,
                     const std::vector<std::uint8_t>& data = searchedData())
{
    for (auto _ : state) {
        const void* found = memmem(data.data(), data.size(), needle.data(), needle.size());
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(state.iterations() * documentBytes);
}

void BM_CaselessTextSearch(benchmark::State& state)
{
    search(state, textPattern(), textOffset);
}
BENCHMARK(BM_CaselessTextSearch)->Unit(benchmark::kMillisecond);

void BM_MemmemReference(benchmark::State& state)
{
    memmemReference(state, placedText);
}
BENCHMARK(BM_MemmemReference)->Unit(benchmark::kMillisecond);

void BM_HexSearchWithWildcard(benchmark::State& state)
{
    search(state, hexPattern(), hexOffset);
}
BENCHMARK(BM_HexSearchWithWildcard)->Unit(benchmark::kMillisecond);

void BM_MemmemHexReference(benchmark::State& state)
{
    memmemReference(state, placedHex);
}
BENCHMARK(BM_MemmemHexReference)->Unit(benchmark::kMillisecond);

void BM_PeriodicPatternPastDecoy(benchmark::State& state)
{
    SearchPattern pattern = exactPattern(periodicText());
    for (std::size_t at = wildcardSpacing - 1; state.range(0) != 0 && at < periodicLength; at += wildcardSpacing) {
        pattern[at].any = true;
    }
    search(state, pattern, periodicOffset, decoyedData());
}
BENCHMARK(BM_PeriodicPatternPastDecoy)->ArgName("wildcards")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MemmemPeriodicReference(benchmark::State& state)
{
    memmemReference(state, periodicText(), decoyedData());
}
BENCHMARK(BM_MemmemPeriodicReference)->Unit(benchmark::kMillisecond);

void BM_FindAllMillionMatches(benchmark::State& state)
{
    const std::vector<std::uint8_t>& data = frequentData();
    const SearchPattern pattern = exactPattern(frequentPair);
    for (auto _ : state) {
        const MatchList matches = findAll(data.data(), 0, documentBytes, pattern, keptMatches);
        if (matches.total < documentBytes / matchSpacing || matches.offsets.size() != keptMatches) {
            state.SkipWithError("matches missed");
        }
        benchmark::DoNotOptimize(matches.total);
    }
    state.SetBytesProcessed(state.iterations() * documentBytes);
}
BENCHMARK(BM_FindAllMillionMatches)->Unit(benchmark::kMillisecond);

} // namespace
