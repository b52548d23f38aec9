// Any bytes under the project's own definitions and one that mixes the
// language's harder parts: the first byte picks the definition.
#include "structure/DefinitionLoader.h"
#include "tests/fuzz/StructureFuzz.h"

namespace {

const char* const ownFormats[] = {"bmp", "gif", "png", "wav", "zip", "elf", "pe"};

const char* const mixedDefinition = R"(meta: {id: mixed, endian: be, bit-endian: le}
seq:
  - {id: n, type: u1}
  - {id: fixed, type: u2le, repeat: expr, repeat-expr: n % 8}
  - {id: bits, type: b5}
  - {id: text, type: strz, encoding: UTF-16LE}
  - {id: turned, size: n % 5, process: rol(3), type: part}
  - {id: packed, size: n % 16, process: zlib, if: n > 200}
  - {id: parts, type: part, repeat: until, repeat-until: _.tag == 0 or _io.eof}
instances:
  back: {pos: n, type: u4, if: n + 4 <= _io.size}
  sum: {value: 'n * 3 + fixed.size - (bits << 2)'}
types:
  part:
    seq:
      - {id: tag, type: u1}
      - {id: body, size: tag % 4, type: {switch-on: tag % 3, cases: {1: part, 2: u2}}}
)";

std::vector<std::unique_ptr<structure::Definition>> loadAll()
{
    structure::StandardDefinitionFiles files;
    std::vector<std::unique_ptr<structure::Definition>> out;
    for (const char* name : ownFormats) {
        out.push_back(structure::loadDefinition(std::string(NIBBLOR_FORMATS_DIR "/") + name + ".ksy", files));
    }
    out.push_back(structure::loadDefinitionText("mixed.ksy", mixedDefinition, files));
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto definitions = loadAll();
    if (size == 0) {
        return 0;
    }
    const structure::MemoryByteSource bytes(std::vector<std::uint8_t>(data + 1, data + size));
    parseAndWalk(*definitions[data[0] % definitions.size()], bytes);
    return 0;
}
