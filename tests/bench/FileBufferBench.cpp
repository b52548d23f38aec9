// Loading a 256 MiB file, beside a plain read of the same file into memory.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "document/FileBuffer.h"

namespace {

constexpr std::size_t fileBytes = 256u << 20;

// The file lives in the working directory (the build tree) and is removed at exit.
const std::string& benchFile()
{
    static const std::string path = [] {
        std::string p = "bench-256mib.bin";
        std::FILE* f = std::fopen(p.c_str(), "wb");
        std::vector<unsigned char> chunk(1 << 20);
        for (std::size_t i = 0; i < chunk.size(); ++i) {
            chunk[i] = static_cast<unsigned char>(i * 131 + 7);
        }
        for (std::size_t written = 0; written < fileBytes; written += chunk.size()) {
            std::fwrite(chunk.data(), 1, chunk.size(), f);
        }
        std::fclose(f);
        std::atexit([] { std::remove("bench-256mib.bin"); });
        return p;
    }();
    return path;
}

void BM_FileBufferLoad256MiB(benchmark::State& state)
{
    const std::string& path = benchFile();
    for (auto _ : state) {
        FileBuffer buffer;
        const int result = buffer.load(path.c_str());
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(buffer.data.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(fileBytes));
}
BENCHMARK(BM_FileBufferLoad256MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: one malloc and one fread of the whole file.
void BM_PlainRead256MiB(benchmark::State& state)
{
    const std::string& path = benchFile();
    for (auto _ : state) {
        std::unique_ptr<unsigned char[]> block(new unsigned char[fileBytes]);
        std::FILE* f = std::fopen(path.c_str(), "rb");
        const std::size_t n = std::fread(block.get(), 1, fileBytes, f);
        std::fclose(f);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(block.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(fileBytes));
}
BENCHMARK(BM_PlainRead256MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
