// A screenful of the data panes painted as WM_PAINT paints it (each row's
// text in runs of one background, then the cursor and the selection), with
// and without field tints, into a frame that costs work for every pixel.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>

#include "editor/EditorCore.h"
#include "structureview/FieldTints.h"
#include "tests/native/RecordingSurface.h"
#include "view/RowText.h"
#include "view/Selection.h"

namespace {

constexpr int charWidth = 8;
constexpr int lineHeight = 16;
constexpr std::int32_t screenRows = 50;
constexpr std::size_t frameWidth = 72 * charWidth; // an octal row and its margin

// Each character's glyph cell copied in, its pixels the text or the background colour.
class FrameSurface final : public RecordingSurface {
public:
    FrameSurface()
    {
        for (std::size_t i = 0; i < glyphs_.size(); ++i) {
            glyphs_[i] = static_cast<std::uint8_t>(i * 2654435761u >> 13); // stand-in glyphs
        }
    }
    void drawText(Pane, int x, int y, std::string_view text, ColorRef textColor, ColorRef backColor) override
    {
        std::uint32_t* cell = &frame[static_cast<std::size_t>(y) * frameWidth + static_cast<std::size_t>(x)];
        for (const char c : text) {
            const std::uint8_t* glyph = &glyphs_[static_cast<unsigned char>(c) * std::size_t{lineHeight}];
            for (std::size_t line = 0; line < lineHeight; ++line) {
                for (unsigned bit = 0; bit < charWidth; ++bit) {
                    cell[line * frameWidth + bit] = (glyph[line] >> bit & 1u) != 0 ? textColor : backColor;
                }
            }
            cell += charWidth;
        }
    }
    std::vector<std::uint32_t> frame = std::vector<std::uint32_t>(frameWidth * (screenRows + 1) * lineHeight);

private:
    std::array<std::uint8_t, 256 * lineHeight> glyphs_{};
};

void BM_PaintScreenOfDataPanes(benchmark::State& state)
{
    // Mid-document, under top-level fields of 1 to 12 bytes and a selected
    // row's children over ten rows, with the cursor and a two-row selection.
    EditorCore core;
    core.buffer.reserve(FileBuffer::capacityFor(1 << 20, 16));
    std::fill_n(core.buffer.data.get(), 1 << 20, std::uint8_t{0x5A});
    core.buffer.setSize(1 << 20);
    FrameSurface surface;
    core.shell.surface = &surface;
    core.charWidth = charWidth;
    core.lineHeight = lineHeight;
    core.pageRows = screenRows;
    const std::uint64_t sizes[] = {2, 4, 1, 8, 3, 4, 6, 2, 12, 4}, top = 1 << 19;
    std::vector<TintedSpan> fields, children;
    for (std::uint64_t offset = 0, i = 0; offset < 1 << 20; offset += sizes[i++ % 10]) {
        fields.push_back({offset, sizes[i % 10], i});
    }
    for (std::uint64_t offset = top + 10 * 16, i = 0; offset < top + 20 * 16; offset += 2 + i++ % 3) {
        children.push_back({offset, 2 + i % 3, i});
    }
    FieldTints tints;
    tints.setTopLevel(fields);
    tints.setSelectedChildren(children);
    core.fieldTints = state.range(0) != 0 ? &tints : nullptr;
    core.scrollToRow(top / 16);
    selectRange(core, top + 30 * 16 + 5, 2 * 16);
    for (auto _ : state) {
        for (const Pane pane : {Pane::Hex, Pane::Ascii}) {
            const RowRange rows = paintedRows(core);
            for (std::int32_t row = rows.first; row < rows.end; ++row) {
                const std::string text = rowText(core, pane, row);
                for (const BackRun& run : rowBackRuns(core, pane, row)) {
                    surface.drawText(pane, (1 + run.first) * charWidth, (row - rows.first) * lineHeight,
                                     std::string_view(text).substr(static_cast<std::size_t>(run.first),
                                                                   static_cast<std::size_t>(run.length)),
                                     core.textColor, run.color);
                }
            }
            paintCursorAndSelection(core, pane);
        }
        benchmark::DoNotOptimize(surface.frame.data());
    }
}
BENCHMARK(BM_PaintScreenOfDataPanes)->ArgName("tinted")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
