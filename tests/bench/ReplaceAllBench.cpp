// Replace All over a 256 MiB document with about a million matches: a byte
// by a byte (written in place) beside a memmove of the whole document, and
// two bytes by one (every byte after the first match moved) beside a memcpy
// of it, with the memory Replace All held at its peak and its undo record's size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "editor/EditorCore.h"
#include "view/UndoRedo.h"

namespace {

constexpr std::int32_t documentBytes = std::int32_t{256} << 20;
// One match in each slot, at a random place in it: 1 Mi matches.
constexpr std::int32_t slotBytes = 256;
constexpr std::int64_t placedMatches = documentBytes / slotBytes;
// The filler letters never hold the pattern's bytes.
constexpr std::uint8_t fillerFirst = 'a';
constexpr unsigned fillerLetters = 16;
constexpr std::uint8_t firstPatternByte = 'X';
constexpr std::uint8_t secondPatternByte = 'Z';
constexpr std::uint8_t replacementByte = 'Y';
constexpr unsigned randomSeed = 2026;
constexpr std::int64_t kibibyte = 1024;

// Filler from a small alphabet, with "XZ" once in every slot.
const std::vector<std::uint8_t>& documentData()
{
    static const std::vector<std::uint8_t> data = [] {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(documentBytes));
        std::mt19937 random(randomSeed);
        constexpr unsigned bitsPerLetter = 4;
        constexpr unsigned lettersPerDraw = 8;
        for (std::size_t i = 0; i < bytes.size(); i += lettersPerDraw) {
            auto draw = static_cast<std::uint32_t>(random());
            for (std::size_t k = 0; k < lettersPerDraw; ++k, draw >>= bitsPerLetter) {
                bytes[i + k] = static_cast<std::uint8_t>(fillerFirst + (draw % fillerLetters));
            }
        }
        for (std::size_t slot = 0; slot < bytes.size(); slot += slotBytes) {
            // Both bytes within the slot, so no two matches touch.
            const std::size_t at = slot + random() % (slotBytes - 1);
            bytes[at] = firstPatternByte;
            bytes[at + 1] = secondPatternByte;
        }
        return bytes;
    }();
    return data;
}

// An editor holding the document, drawing nowhere.
std::unique_ptr<EditorCore> editorOnDocument()
{
    const std::vector<std::uint8_t>& data = documentData();
    auto core = std::make_unique<EditorCore>();
    if (!core->buffer.reserve(FileBuffer::capacityFor(documentBytes, core->bytesPerRow))) {
        std::abort();
    }
    std::memcpy(core->buffer.data.get(), data.data(), data.size());
    core->buffer.setSize(documentBytes);
    core->scrollToRow(0);
    return core;
}

// Pages this process has touched for the first time so far.
std::int64_t minorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// A line of /proc/self/status in bytes, or -1 where there is none.
std::int64_t statusKibibytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, field.size(), field) == 0 && line.size() > field.size() && line[field.size()] == ':') {
            return std::strtoll(line.c_str() + field.size() + 1, nullptr, 10) * kibibyte;
        }
    }
    return -1;
}

// Starts the peak resident size afresh from the current one; false where
// the kernel does not allow it.
bool resetPeakResident()
{
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5";
    clearRefs.flush();
    return clearRefs.good();
}

// Replace All of `pattern` by `replacement` over the whole document in each
// iteration, undone outside the timing so that each starts from the original.
void replaceAll(benchmark::State& state, const SearchPattern& pattern, const std::vector<std::uint8_t>& replacement,
                bool measurePeak)
{
    const std::unique_ptr<EditorCore> core = editorOnDocument();
    const ByteRange whole{0, documentBytes};
    std::int64_t peakExtra = 0;
    std::int64_t faults = 0; // first touches of the undo record's pages
    std::int64_t recordBytes = 0;
    bool peakMeasured = measurePeak;
    for (auto _ : state) {
        state.PauseTiming();
        peakMeasured = peakMeasured && resetPeakResident();
        const std::int64_t residentBefore = statusKibibytes("VmRSS");
        peakMeasured = peakMeasured && residentBefore >= 0;
        const std::int64_t faultsBefore = minorFaults();
        state.ResumeTiming();

        const ReplaceAllResult result = core->search.replaceAllIn(pattern, replacement, whole);

        state.PauseTiming();
        faults += minorFaults() - faultsBefore;
        recordBytes = core->history.cost();
        if (peakMeasured) {
            peakExtra = std::max(peakExtra, statusKibibytes("VmHWM") - residentBefore);
        }
        if (result.outcome != ReplaceOutcome::replaced || result.count != placedMatches) {
            state.SkipWithError("Replace All did not replace every placed match");
            break;
        }
        if (undo(*core) != UndoOutcome::done) {
            state.SkipWithError("Replace All could not be undone");
            break;
        }
        core->history.reset(); // the undone step is not left to the next Replace All to drop
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * documentBytes);
    state.counters["pageFaults"] = benchmark::Counter(static_cast<double>(faults), benchmark::Counter::kAvgIterations);
    state.counters["recordBytes"] = static_cast<double>(recordBytes);
    if (peakMeasured) {
        state.counters["documentBytes"] = static_cast<double>(documentBytes);
        state.counters["peakExtraBytes"] = static_cast<double>(peakExtra);
    }
}

void BM_ReplaceAllOneByOne(benchmark::State& state)
{
    replaceAll(state, exactPattern({firstPatternByte}), {replacementByte}, false);
}
BENCHMARK(BM_ReplaceAllOneByOne)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of any change that moves the bytes: one pass over them.
void BM_MemmoveDocument(benchmark::State& state)
{
    constexpr std::size_t shift = 1;
    std::vector<std::uint8_t> block(static_cast<std::size_t>(documentBytes) + shift, fillerFirst);
    for (auto _ : state) {
        std::memmove(block.data() + shift, block.data(), static_cast<std::size_t>(documentBytes));
        benchmark::DoNotOptimize(block.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * documentBytes);
}
BENCHMARK(BM_MemmoveDocument)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReplaceAllTwoByOne(benchmark::State& state)
{
    replaceAll(state, exactPattern({firstPatternByte, secondPatternByte}), {replacementByte}, true);
}
BENCHMARK(BM_ReplaceAllTwoByOne)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of moving every byte: the document copied once into another block.
void BM_CopyDocument(benchmark::State& state)
{
    const std::vector<std::uint8_t>& data = documentData();
    std::vector<std::uint8_t> block(data.size());
    for (auto _ : state) {
        std::memcpy(block.data(), data.data(), data.size());
        benchmark::DoNotOptimize(block.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * documentBytes);
}
BENCHMARK(BM_CopyDocument)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
