// The data inspector's rows for one cursor position, every row formatted.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "text/ByteValues.h"

namespace {

void BM_FormatEveryRow(benchmark::State& state)
{
    // Bytes that give a value in most rows: a UTF-8 sequence, a date, a GUID.
    const std::uint8_t bytes[] = {0xE2, 0x82, 0xAC, 0x41, 0x5D, 0x58, 0x6D, 0xAF, 0x10, 0x32, 0x54, 0x76, 0x98, 0xBA, 0xDC, 0x0E};
    for (auto _ : state) {
        for (int row = 0; row < valueTypeCount; ++row) {
            std::string text = valueText(static_cast<ValueType>(row), bytes, sizeof bytes, false);
            benchmark::DoNotOptimize(text.data());
        }
    }
}
BENCHMARK(BM_FormatEveryRow)->Unit(benchmark::kNanosecond);

} // namespace
