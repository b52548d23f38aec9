// The structure engine: loading the whole public format library (beside
// plain YAML parsing of the same files), and a 16 MiB table of 1,048,576
// five-field records: the top level ready, and the whole tree as JSON
// (beside printf of the same text), with the heap it takes beyond the file.
#include "AllocationPeak.h"
#include "structure/DefinitionLoader.h"
#include "structure/ParseSession.h"
#include "structure/TreeJson.h"
#include "structure/posix/IconvTextConverter.h"

#include <benchmark/benchmark.h>
#include <yaml.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class MemoryFiles final : public structure::DefinitionFiles {
public:
    bool read(const std::string& path, std::string& out) const override {
        const auto found = files.find(path);
        if (found == files.end()) return false;
        out = found->second;
        return true;
    }
    std::map<std::string, std::string> files;
};

// The library read into memory once, so the runs time no disk.
const MemoryFiles& formatLibrary() {
    static const MemoryFiles library = [] {
        MemoryFiles out;
        const fs::path root = fs::path(NIBBLOR_SOURCE_ROOT) / ".." / "shared" / "ksy" / "formats";
        if (!fs::is_directory(root)) return out;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            if (entry.path().extension() != ".ksy") continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            out.files[fs::absolute(entry.path()).lexically_normal().string()] = text.str();
        }
        return out;
    }();
    return library;
}

void BM_LoadFormatLibrary(benchmark::State& state) {
    const MemoryFiles& library = formatLibrary();
    if (library.files.empty()) return state.SkipWithError("no format library beside the project");
    for (auto _ : state) {
        for (const auto& [path, text] : library.files) {
            try {
                benchmark::DoNotOptimize(structure::loadDefinition(path, library));
            } catch (const structure::DefinitionError& e) {
                return state.SkipWithError(e.what());
            }
        }
    }
    state.counters["definitions"] = static_cast<double>(library.files.size());
}
BENCHMARK(BM_LoadFormatLibrary)->Unit(benchmark::kMillisecond);

// The floor: libyaml's events for the same files, nothing built from them.
void BM_YamlEventsOfFormatLibrary(benchmark::State& state) {
    const MemoryFiles& library = formatLibrary();
    if (library.files.empty()) return state.SkipWithError("no format library beside the project");
    for (auto _ : state) {
        for (const auto& [path, text] : library.files) {
            yaml_parser_t parser;
            yaml_parser_initialize(&parser);
            yaml_parser_set_input_string(&parser, reinterpret_cast<const unsigned char*>(text.data()), text.size());
            yaml_event_t event;
            bool more = true;
            while (more && yaml_parser_parse(&parser, &event)) {
                more = event.type != YAML_STREAM_END_EVENT;
                yaml_event_delete(&event);
            }
            yaml_parser_delete(&parser);
        }
    }
}
BENCHMARK(BM_YamlEventsOfFormatLibrary)->Unit(benchmark::kMillisecond);

constexpr std::size_t kRecordCount = 1u << 20;
constexpr std::size_t kRecordBytes = 16;
constexpr const char* kRecordsDefinition = R"(meta:
  id: table
  endian: le
seq:
  - id: records
    type: record
    repeat: eos
types:
  record:
    seq:
      - id: id
        type: u4
      - id: offset
        type: u4
      - id: kind
        type: u2
      - id: flags
        type: u2
      - id: checksum
        type: u4
)";

struct Records {
    std::unique_ptr<structure::Definition> definition;
    structure::MemoryByteSource bytes;
    structure::IconvTextConverter converter;
};

Records& records() {
    static Records table = [] {
        std::vector<std::uint8_t> data(kRecordCount * kRecordBytes);
        for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 131 + 7);
        structure::StandardDefinitionFiles files;
        return Records{structure::loadDefinitionText("table.ksy", kRecordsDefinition, files),
                       structure::MemoryByteSource(std::move(data)), {}};
    }();
    return table;
}

void BM_RecordsTopLevelReady(benchmark::State& state) {
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

void BM_RecordsWholeTreeAsJson(benchmark::State& state) {
    Records& table = records();
    std::size_t written = 0;
    std::size_t peak = 0;
    for (auto _ : state) {
        allocation_peak::reset();
        const std::size_t before = allocation_peak::live();
        structure::ParseSession session(*table.definition, table.bytes, table.converter);
        session.parse();
        CountingSink sink;
        structure::writeDocumentJson(session, sink);
        written = sink.bytes;
        peak = allocation_peak::peak() - before;
    }
    state.counters["json_MiB"] = static_cast<double>(written) / (1 << 20);
    state.counters["peak_heap_MiB"] = static_cast<double>(peak) / (1 << 20);
}
BENCHMARK(BM_RecordsWholeTreeAsJson)->Unit(benchmark::kMillisecond)->Iterations(2);

// The floor: the records' JSON text by snprintf into one reused buffer.
void BM_RecordsJsonByPrintf(benchmark::State& state) {
    const std::vector<std::uint8_t>& data = records().bytes.bytes();
    static const char* const names[] = {"id", "offset", "kind", "flags", "checksum"};
    static const int widths[] = {4, 4, 2, 2, 4};
    std::string out;
    char line[256];
    std::size_t written = 0;
    for (auto _ : state) {
        written = 0;
        for (std::size_t r = 0; r < kRecordCount; ++r) {
            std::size_t at = r * kRecordBytes;
            int n = std::snprintf(line, sizeof line, "{\"name\": \"[%zu]\", \"kind\": \"seq\", \"type\": \"record\", \"offset\": %zu, \"size\": 16, \"fields\": [", r, at);
            out.append(line, static_cast<std::size_t>(n));
            for (int f = 0; f < 5; ++f) {
                std::uint32_t v = 0;
                std::memcpy(&v, &data[at], static_cast<std::size_t>(widths[f]));
                n = std::snprintf(line, sizeof line, "%s{\"name\": \"%s\", \"kind\": \"seq\", \"type\": \"u%dle\", \"offset\": %zu, \"size\": %d, \"value\": %" PRIu32 "}",
                                  f ? ", " : "", names[f], widths[f], at, widths[f], v);
                out.append(line, static_cast<std::size_t>(n));
                at += static_cast<std::size_t>(widths[f]);
            }
            out += "]}, ";
            if (out.size() > (1 << 16)) {
                written += out.size();
                out.clear();
            }
        }
        benchmark::DoNotOptimize(written += out.size());
    }
    state.counters["json_MiB"] = static_cast<double>(written) / (1 << 20);
}
BENCHMARK(BM_RecordsJsonByPrintf)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
