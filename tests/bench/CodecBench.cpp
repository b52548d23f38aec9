// The codec over 1 MiB of bytes: formatting and parsing back.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "text/ByteTextCodec.h"

namespace {

constexpr int mebibyte = 1 << 20;

std::vector<std::uint8_t> sampleBytes()
{
    std::vector<std::uint8_t> bytes(mebibyte);
    for (int i = 0; i < mebibyte; ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 37 + 11);
    }
    return bytes;
}

void BM_FormatHex1MiB(benchmark::State& state)
{
    const auto bytes = sampleBytes();
    std::string text(3 * mebibyte + 1, '\0');
    for (auto _ : state) {
        formatHex(text.data(), bytes.data(), mebibyte);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * mebibyte);
}
BENCHMARK(BM_FormatHex1MiB)->Unit(benchmark::kMicrosecond);

void BM_FormatOctal1MiB(benchmark::State& state)
{
    const auto bytes = sampleBytes();
    std::string text(4 * mebibyte + 1, '\0');
    for (auto _ : state) {
        formatOctal(text.data(), bytes.data(), mebibyte);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * mebibyte);
}
BENCHMARK(BM_FormatOctal1MiB)->Unit(benchmark::kMicrosecond);

void BM_ParseHex1MiB(benchmark::State& state)
{
    const auto bytes = sampleBytes();
    std::string text(3 * mebibyte + 1, '\0');
    formatHex(text.data(), bytes.data(), mebibyte);
    const int length = 3 * mebibyte;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(length) + 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseHex(out.data(), text.c_str(), length));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * mebibyte);
}
BENCHMARK(BM_ParseHex1MiB)->Unit(benchmark::kMicrosecond);

void BM_ParseOctal1MiB(benchmark::State& state)
{
    const auto bytes = sampleBytes();
    std::string text(4 * mebibyte + 1, '\0');
    formatOctal(text.data(), bytes.data(), mebibyte);
    const int length = 4 * mebibyte;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(length) + 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseOctal(out.data(), text.c_str(), length));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * mebibyte);
}
BENCHMARK(BM_ParseOctal1MiB)->Unit(benchmark::kMicrosecond);

} // namespace
