// A structure definition from any text: it loads, or its error names the
// file, line and column; one that loads parses a fixed run of bytes, so its
// expressions are evaluated, within the parse limits and without a hang.
#include "structure/DefinitionLoader.h"
#include "tests/fuzz/StructureFuzz.h"

#include <cctype>
#include <cstring>

namespace {

// Imports find nothing: the fuzzer reads no files.
class NoFiles final : public structure::DefinitionFiles {
public:
    bool read(const std::string&, std::string&) const override { return false; }
};

bool namesItsPlace(const char* message)
{
    const char* at = message + std::strlen("fuzz.ksy:");
    if (std::strncmp(message, "fuzz.ksy:", std::strlen("fuzz.ksy:")) != 0 || !std::isdigit(*at)) {
        return false;
    }
    while (std::isdigit(*at)) {
        ++at;
    }
    if (*at++ != ':' || !std::isdigit(*at)) {
        return false;
    }
    while (std::isdigit(*at)) {
        ++at;
    }
    return std::strncmp(at, ": ", 2) == 0;
}

const structure::MemoryByteSource& fixedBytes()
{
    static const structure::MemoryByteSource bytes = [] {
        std::vector<std::uint8_t> data(256);
        for (std::size_t i = 0; i < data.size(); ++i) {
            data[i] = static_cast<std::uint8_t>(i * 37 + 1);
        }
        return structure::MemoryByteSource(std::move(data));
    }();
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const NoFiles files;
    std::unique_ptr<structure::Definition> definition;
    try {
        definition =
            structure::loadDefinitionText("fuzz.ksy", std::string(reinterpret_cast<const char*>(data), size), files);
    } catch (const structure::DefinitionError& e) {
        check(namesItsPlace(e.what()), "a definition error starts with fuzz.ksy:LINE:COLUMN: ");
        return 0;
    }
    parseAndWalk(*definition, fixedBytes());
    return 0;
}
