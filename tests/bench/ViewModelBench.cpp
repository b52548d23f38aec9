// A cursor move and a one-cell redraw cost the same on a small and a 256 MiB
// document; deleting and inserting in the middle of 256 MiB run at the speed
// of a plain memmove of the same bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

#include "editor/EditorCore.h"

namespace {

// Counts what would be drawn and draws nothing.
class CountingSurface : public ViewSurface {
public:
    bool paneExists(Pane) const override { return true; }
    void drawText(Pane, int, int, std::string_view text, ColorRef, ColorRef) override
    {
        ++texts;
        characters += static_cast<std::int64_t>(text.size());
    }
    void repaintPanes(Repaint) override { ++repaints; }
    void setScrollRange(int) override {}
    void setScrollPosition(int) override {}
    void focusPane(Pane) override {}
    void relayout() override {}
    void titleChanged() override {}

    std::int64_t texts = 0;
    std::int64_t characters = 0;
    std::int64_t repaints = 0;
};

constexpr std::int32_t smallDocument = 1024;
constexpr std::int32_t largeDocument = 256 << 20;

struct BenchEditor {
    explicit BenchEditor(std::int32_t size)
    {
        core.shell.surface = &surface;
        core.charWidth = 8;
        core.lineHeight = 16;
        if (!core.buffer.reserve(FileBuffer::capacityFor(size, core.bytesPerRow))) {
            std::abort();
        }
        std::uint8_t* bytes = core.buffer.data.get();
        for (std::int32_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(i) * 131u + 7u);
        }
        core.buffer.setSize(size);
    }

    // The cursor on `offset`, shown on screen row 10 (or as near as the data allows).
    void placeCursor(std::int32_t offset)
    {
        core.scrollToRow(std::max(offset / core.bytesPerRow - 10, 0));
        core.cursorOffset = offset;
        core.cursorRow = offset / core.bytesPerRow;
        core.cursorColumn = offset % core.bytesPerRow;
        core.cursorScreenRow = core.cursorRow - core.firstVisibleRow;
        core.digitIndex = 0;
        core.selectionEndRow = -1;
        core.selectionEndColumn = -1;
    }

    EditorCore core;
    CountingSurface surface;
};

// One document of each size for the whole run; the benchmarks put back what they change.
BenchEditor& documentOf(std::int32_t size)
{
    static std::map<std::int32_t, std::unique_ptr<BenchEditor>> documents;
    std::unique_ptr<BenchEditor>& document = documents[size];
    if (!document) {
        document = std::make_unique<BenchEditor>(size);
    }
    return *document;
}

std::int32_t middleOf(std::int32_t size)
{
    return size / 2 / 16 * 16 + 3;
}

void BM_MoveRightInsideTheView(benchmark::State& state)
{
    BenchEditor& e = documentOf(static_cast<std::int32_t>(state.range(0)));
    const std::int32_t start = middleOf(e.core.buffer.size);
    e.placeCursor(start);
    e.surface.texts = 0;
    for (auto _ : state) {
        e.core.moveRight();
        benchmark::DoNotOptimize(e.core.cursorOffset);
        // Back to the start cell: two stores, so every iteration makes the same move.
        e.core.cursorOffset = start;
        e.core.cursorColumn = start % 16;
    }
    state.counters["texts/move"] =
        benchmark::Counter(static_cast<double>(e.surface.texts), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MoveRightInsideTheView)->Arg(smallDocument)->Arg(largeDocument);

void BM_RedrawCursorCell(benchmark::State& state)
{
    BenchEditor& e = documentOf(static_cast<std::int32_t>(state.range(0)));
    e.placeCursor(middleOf(e.core.buffer.size));
    EditorCore& c = e.core;
    e.surface.texts = 0;
    for (auto _ : state) {
        c.hideCursor(c.cursorScreenRow, c.cursorColumn, c.cursorOffset, c.digitIndex);
        c.showCursor(c.cursorScreenRow, c.cursorColumn, c.cursorOffset, c.digitIndex);
    }
    state.counters["texts/redraw"] =
        benchmark::Counter(static_cast<double>(e.surface.texts), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RedrawCursorCell)->Arg(smallDocument)->Arg(largeDocument);

constexpr std::int32_t insertedBytes = 16;

void BM_InsertZerosInTheMiddleOf256MiB(benchmark::State& state)
{
    BenchEditor& e = documentOf(largeDocument);
    const std::int32_t size = e.core.buffer.size;
    const std::int32_t at = middleOf(size);
    e.placeCursor(at);
    // Once outside the timing: the block grows on the first insertion only.
    if (!e.core.insertZeros(insertedBytes)) {
        state.SkipWithError("insertion refused");
        return;
    }
    e.core.buffer.setSize(size);
    for (auto _ : state) {
        e.core.insertZeros(insertedBytes);
        state.PauseTiming();
        e.core.buffer.setSize(size);
        state.ResumeTiming();
    }
    // The spare room past the data back to zero.
    std::memset(e.core.buffer.data.get() + size, 0, insertedBytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (size - at));
}
BENCHMARK(BM_InsertZerosInTheMiddleOf256MiB)->Unit(benchmark::kMillisecond);

void BM_DeleteSelectionInTheMiddleOf256MiB(benchmark::State& state)
{
    BenchEditor& e = documentOf(largeDocument);
    const std::int32_t size = e.core.buffer.size;
    const std::int32_t at = middleOf(size); // column 3: no recentring
    std::int32_t removed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        e.core.buffer.setSize(size);
        e.placeCursor(at);
        e.core.selectionEndRow = e.core.cursorScreenRow;
        e.core.selectionEndColumn = 15;
        state.ResumeTiming();
        e.core.deleteSelection();
        removed = size - e.core.buffer.size;
    }
    e.core.buffer.setSize(size);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (size - at - removed));
    state.counters["removed"] = removed;
}
BENCHMARK(BM_DeleteSelectionInTheMiddleOf256MiB)->Unit(benchmark::kMillisecond);

// The reference: memmove of the same half of the same block by the same distance.
void BM_PlainMemmoveOfHalf256MiB(benchmark::State& state)
{
    BenchEditor& e = documentOf(largeDocument);
    const std::int32_t size = e.core.buffer.size;
    const std::int32_t at = middleOf(size);
    std::uint8_t* bytes = e.core.buffer.data.get();
    const auto count = static_cast<std::size_t>(size - at);
    bool up = true;
    for (auto _ : state) {
        if (up) {
            std::memmove(bytes + at + insertedBytes, bytes + at, count);
        } else {
            std::memmove(bytes + at, bytes + at + insertedBytes, count);
        }
        up = !up;
        benchmark::ClobberMemory();
    }
    std::memset(bytes + size, 0, insertedBytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (size - at));
}
BENCHMARK(BM_PlainMemmoveOfHalf256MiB)->Unit(benchmark::kMillisecond);

} // namespace
