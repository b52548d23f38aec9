// A screenful of the data panes painted as WM_PAINT paints it (each row's
// text in runs of one background, then the cursor and the selection), with
// and without field tints, into a frame that costs work for every pixel.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "editor/EditorCore.h"
#include "structureview/FieldTints.h"
#include "view/RowText.h"
#include "view/Selection.h"

namespace {

constexpr int charWidth = 8;
constexpr int lineHeight = 16;
constexpr std::int32_t screenRows = 50;
constexpr std::int32_t documentSize = 1 << 20;
constexpr std::size_t frameWidth = 72 * charWidth;  // an octal row and its margin
constexpr std::size_t frameHeight = (screenRows + 1) * lineHeight; // a partly shown last row

// Each character's glyph cell copied in, its pixels the text or the background colour.
class FrameSurface final : public ViewSurface {
public:
    FrameSurface()
    {
        for (std::size_t i = 0; i < glyphs_.size(); ++i) {
            glyphs_[i] = static_cast<std::uint8_t>(i * 2654435761u >> 13);
        }
    }
    bool paneExists(Pane) const override { return true; }
    void drawText(Pane, int x, int y, std::string_view text, ColorRef textColor, ColorRef backColor) override
    {
        for (std::size_t line = 0; line < lineHeight; ++line) {
            std::uint32_t* pixel = &frame[(static_cast<std::size_t>(y) + line) * frameWidth + static_cast<std::size_t>(x)];
            for (const char c : text) {
                const unsigned bits = glyphs_[static_cast<unsigned char>(c) * std::size_t{lineHeight} + line];
                for (unsigned bit = 0; bit < charWidth; ++bit) {
                    *pixel++ = (bits >> bit & 1u) != 0 ? textColor : backColor;
                }
            }
        }
    }
    void repaintPanes(Repaint) override {}
    void setScrollRange(int) override {}
    void setScrollPosition(int) override {}
    void focusPane(Pane) override {}
    void relayout() override {}
    void titleChanged() override {}

    std::vector<std::uint32_t> frame = std::vector<std::uint32_t>(frameWidth * frameHeight);

private:
    std::array<std::uint8_t, 256 * lineHeight> glyphs_{};
};

// Mid-document, under top-level fields of 1 to 12 bytes, a selected row's
// children over ten rows, the cursor and a two-row selection.
struct Screen {
    Screen()
    {
        core.shell.surface = &surface;
        core.charWidth = charWidth;
        core.lineHeight = lineHeight;
        core.pageRows = screenRows;
        core.buffer.reserve(FileBuffer::capacityFor(documentSize, core.bytesPerRow));
        for (std::int32_t i = 0; i < documentSize; ++i) {
            core.buffer.data[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 131 + 7);
        }
        core.buffer.setSize(documentSize);
        const std::uint64_t sizes[] = {2, 4, 1, 8, 3, 4, 6, 2, 12, 4};
        std::vector<TintedSpan> fields;
        for (std::uint64_t offset = 0, i = 0; offset < documentSize; offset += sizes[i % 10], ++i) {
            fields.push_back({offset, sizes[i % 10], i});
        }
        tints.setTopLevel(fields);
        const std::int32_t top = documentSize / 2;
        std::vector<TintedSpan> children;
        for (std::uint64_t offset = top + 10 * 16, i = 0; offset < top + 20 * 16; offset += 2 + i % 3, ++i) {
            children.push_back({offset, 2 + i % 3, i});
        }
        tints.setSelectedChildren(children);
        core.scrollToRow(top / core.bytesPerRow);
        selectRange(core, top + 30 * 16 + 5, 2 * 16);
    }
    EditorCore core;
    FrameSurface surface;
    FieldTints tints;
};

void BM_PaintScreenOfDataPanes(benchmark::State& state)
{
    static Screen screen;
    EditorCore& core = screen.core;
    core.fieldTints = state.range(0) != 0 ? &screen.tints : nullptr;
    for (auto _ : state) {
        for (const Pane pane : {Pane::Hex, Pane::Ascii}) {
            const RowRange rows = paintedRows(core);
            for (std::int32_t row = rows.first; row < rows.end; ++row) {
                const std::string text = rowText(core, pane, row);
                for (const BackRun& run : rowBackRuns(core, pane, row)) {
                    screen.surface.drawText(pane, (1 + run.first) * charWidth, (row - rows.first) * lineHeight,
                                            std::string_view(text).substr(static_cast<std::size_t>(run.first),
                                                                          static_cast<std::size_t>(run.length)),
                                            core.textColor, run.color);
                }
            }
            paintCursorAndSelection(core, pane);
        }
        benchmark::DoNotOptimize(screen.surface.frame.data());
    }
}
BENCHMARK(BM_PaintScreenOfDataPanes)->ArgName("tinted")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
