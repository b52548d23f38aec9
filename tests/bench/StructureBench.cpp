// The structure engine: the whole public format library loaded (beside
// libyaml's events for the same files), and a 16 MiB table of 1,048,576
// five-field records: the top level ready, and the whole tree as JSON
// (beside printf of the same text) with the heap it takes beyond the file.
#include "structure/DefinitionLoader.h"
#include "structure/ParseSession.h"
#include "structure/TreeJson.h"
#include "structure/posix/IconvTextConverter.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <yaml.h>

#include <atomic>
#include <cinttypes>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

// Heap held and its peak, counted in operator new and delete (the array forms call these).
namespace {
std::atomic<std::size_t> liveBytes{0}, peakBytes{0};
void* counted(std::size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p) {
        throw std::bad_alloc();
    }
    const std::size_t now = liveBytes += malloc_usable_size(p);
    for (std::size_t seen = peakBytes; now > seen && !peakBytes.compare_exchange_weak(seen, now);) {
        continue;
    }
    return p;
}
void uncounted(void* p) noexcept
{
    if (p) {
        liveBytes -= malloc_usable_size(p);
    }
    std::free(p);
}
} // namespace
void* operator new(std::size_t size)
{
    return counted(size);
}
void operator delete(void* p) noexcept
{
    uncounted(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    uncounted(p);
}

namespace {

namespace fs = std::filesystem;

class MemoryFiles final : public structure::DefinitionFiles {
public:
    bool read(const std::string& path, std::string& out) const override
    {
        const auto found = files.find(path);
        return found != files.end() && (out = found->second, true);
    }
    std::map<std::string, std::string> files;
};

// Read into memory once, so the runs time no disk.
const MemoryFiles& formatLibrary()
{
    static const MemoryFiles library = [] {
        MemoryFiles out;
        const fs::path root = fs::path(NIBBLOR_SOURCE_ROOT) / ".." / "shared" / "ksy" / "formats";
        if (!fs::is_directory(root)) {
            return out;
        }
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            if (entry.path().extension() != ".ksy") {
                continue;
            }
            std::ostringstream text;
            text << std::ifstream(entry.path(), std::ios::binary).rdbuf();
            out.files[fs::absolute(entry.path()).lexically_normal().string()] = text.str();
        }
        return out;
    }();
    return library;
}

void BM_LoadFormatLibrary(benchmark::State& state)
{
    const MemoryFiles& library = formatLibrary();
    if (library.files.empty()) {
        return state.SkipWithError("no format library beside the project");
    }
    for (auto _ : state) {
        for (const auto& entry : library.files) {
            benchmark::DoNotOptimize(structure::loadDefinition(entry.first, library));
        }
    }
    state.counters["definitions"] = static_cast<double>(library.files.size());
}
BENCHMARK(BM_LoadFormatLibrary)->Unit(benchmark::kMillisecond);

// The floor: libyaml's events for the same files, nothing built from them.
void BM_YamlEventsOfFormatLibrary(benchmark::State& state)
{
    const MemoryFiles& library = formatLibrary();
    if (library.files.empty()) {
        return state.SkipWithError("no format library beside the project");
    }
    for (auto _ : state) {
        for (const auto& entry : library.files) {
            yaml_parser_t parser;
            yaml_parser_initialize(&parser);
            yaml_parser_set_input_string(&parser, reinterpret_cast<const unsigned char*>(entry.second.data()),
                                         entry.second.size());
            yaml_event_t event;
            for (bool more = true; more && yaml_parser_parse(&parser, &event); yaml_event_delete(&event)) {
                more = event.type != YAML_STREAM_END_EVENT;
            }
            yaml_parser_delete(&parser);
        }
    }
}
BENCHMARK(BM_YamlEventsOfFormatLibrary)->Unit(benchmark::kMillisecond);

constexpr std::size_t recordCount = 1u << 20;
constexpr std::size_t recordBytes = 16;

struct Records {
    std::unique_ptr<structure::Definition> definition;
    structure::MemoryByteSource bytes;
    structure::IconvTextConverter converter;
};

Records& records()
{
    static Records table = [] {
        std::vector<std::uint8_t> data(recordCount * recordBytes);
        for (std::size_t i = 0; i < data.size(); ++i) {
            data[i] = static_cast<std::uint8_t>(i * 131 + 7);
        }
        structure::StandardDefinitionFiles files;
        return Records{
            structure::loadDefinitionText(
                "table.ksy",
                "meta: {id: table, endian: le}\nseq:\n  - {id: records, type: record, repeat: eos}\n"
                "types:\n  record:\n    seq: [{id: id, type: u4}, {id: offset, type: u4}, {id: kind, type: u2},"
                " {id: flags, type: u2}, {id: checksum, type: u4}]\n",
                files),
            structure::MemoryByteSource(std::move(data)),
            {}};
    }();
    return table;
}

void BM_RecordsTopLevelReady(benchmark::State& state)
{
    Records& table = records();
    for (auto _ : state) {
        structure::ParseSession session(*table.definition, table.bytes, table.converter);
        session.parse();
        benchmark::DoNotOptimize(session.root().fields().size());
    }
}
BENCHMARK(BM_RecordsTopLevelReady)->Unit(benchmark::kMillisecond);

// Counts what it is given and keeps nothing, as a pipe reader would.
class CountingSink final : public structure::JsonSink {
public:
    void write(const std::string& text) override { bytes += text.size(); }
    std::size_t bytes = 0;
};

void BM_RecordsWholeTreeAsJson(benchmark::State& state)
{
    Records& table = records();
    std::size_t written = 0, peak = 0;
    for (auto _ : state) {
        const std::size_t before = peakBytes = liveBytes.load();
        structure::ParseSession session(*table.definition, table.bytes, table.converter);
        session.parse();
        CountingSink sink;
        structure::writeDocumentJson(session, sink);
        written = sink.bytes;
        peak = peakBytes - before;
    }
    state.counters["json_MiB"] = static_cast<double>(written) / (1 << 20);
    state.counters["peak_heap_KiB"] = static_cast<double>(peak) / (1 << 10);
}
BENCHMARK(BM_RecordsWholeTreeAsJson)->Unit(benchmark::kMillisecond)->Iterations(2);

// The floor: the same JSON text by snprintf into one reused buffer.
void BM_RecordsJsonByPrintf(benchmark::State& state)
{
    const std::vector<std::uint8_t>& data = records().bytes.bytes();
    const char* const names[] = {"id", "offset", "kind", "flags", "checksum"};
    const std::size_t widths[] = {4, 4, 2, 2, 4};
    std::string out;
    char text[256];
    for (auto _ : state) {
        for (std::size_t r = 0, at = 0; r < recordCount; ++r, out += "]}, ") {
            out.append(
                text, static_cast<std::size_t>(std::snprintf(text, sizeof text,
                                                             "{\"name\": \"[%zu]\", \"kind\": \"seq\", \"type\": "
                                                             "\"record\", \"offset\": %zu, \"size\": 16, \"fields\": [",
                                                             r, at)));
            for (std::size_t f = 0; f < 5; at += widths[f++]) {
                std::uint32_t v = 0;
                std::memcpy(&v, &data[at], widths[f]);
                out.append(text, static_cast<std::size_t>(
                                     std::snprintf(text, sizeof text,
                                                   "%s{\"name\": \"%s\", \"kind\": \"seq\", \"type\": \"u%zule\", "
                                                   "\"offset\": %zu, \"size\": %zu, \"value\": %" PRIu32 "}",
                                                   f ? ", " : "", names[f], widths[f], at, widths[f], v)));
            }
            if (out.size() > (1 << 16)) {
                out.clear();
            }
        }
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_RecordsJsonByPrintf)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
