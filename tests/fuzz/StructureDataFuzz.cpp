// Any bytes under the project's own definitions and one that mixes the
// language's harder parts: the first byte picks the definition.
#include "tests/fuzz/StructureFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto definitions = fuzzDefinitions();
    if (size == 0) {
        return 0;
    }
    const structure::MemoryByteSource bytes(std::vector<std::uint8_t>(data + 1, data + size));
    parseAndWalk(*definitions[data[0] % definitions.size()], bytes);
    return 0;
}
