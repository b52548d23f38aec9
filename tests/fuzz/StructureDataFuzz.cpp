// Any bytes under the project's own definitions and one that mixes the
// language's harder parts: the first byte picks the definition. The
// Structure window's tree is walked over the same bytes, its first bytes
// read as the steps: rows opened, closed, selected and found for a byte, a
// byte changed and parsed again; the rows and every byte's tint checked.
#include "document/FileBuffer.h"
#include "structure/DefinitionLoader.h"
#include "structureview/StructureTree.h"
#include "tests/fuzz/StructureFuzz.h"

#include <algorithm>

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

constexpr std::size_t treeSteps = 8;
constexpr std::size_t rowsChecked = 64;

void treeStep(StructureTree& tree, FileBuffer& document, std::uint8_t step)
{
    const std::size_t row = step % (tree.rowCount() + 1);
    const auto offset = static_cast<std::uint64_t>(step) * static_cast<std::uint64_t>(document.size) / 256;
    switch (step % 4) {
    case 0:
        tree.toggle(row);
        break;
    case 1:
        if (const auto found = tree.rowForOffset(offset)) {
            const structure::Span span = tree.row(*found).item.span;
            check(span.offset <= offset && offset - span.offset < std::max<std::uint64_t>(span.size, 1),
                  "the row found holds the byte");
        }
        break;
    case 2:
        tree.select(row);
        break;
    default: {
        const auto changed = static_cast<std::uint8_t>(~step);
        document.overwrite(static_cast<std::int32_t>(offset), &changed, 1);
        tree.reparse();
        break;
    }
    }
    for (std::size_t i = 0; i < std::min(tree.rowCount(), rowsChecked); ++i) {
        const StructureRow shown = tree.row(i);
        check(shown.depth >= 0, "a row's depth is not negative");
        check(shown.kind != RowKind::error || i + 1 >= tree.rowCount(), "the error's row is the last");
    }
}

void walkTree(const structure::Definition& definition, const std::uint8_t* data, std::size_t size)
{
    static const structure::IconvTextConverter converter;
    FileBuffer document;
    check(document.reserve(static_cast<std::int64_t>(size)), "the document's bytes");
    document.setSize(static_cast<std::int32_t>(size));
    document.overwrite(0, data, size);
    StructureTree tree(definition, document, converter);
    for (std::size_t s = 0; s < std::min(size, treeSteps); ++s) {
        treeStep(tree, document, data[s]);
    }
    const FieldTints& tints = tree.tints();
    for (std::uint64_t offset = 0; offset < size;) {
        const TintRun run = tints.tintRunAt(offset);
        check(run.end > offset, "a run of one tint holds its first byte");
        for (; offset < std::min<std::uint64_t>(run.end, size); ++offset) {
            check(tints.tintAt(offset) == run.tint, "every byte of a run has its tint");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto definitions = loadAll();
    if (size == 0) {
        return 0;
    }
    const structure::MemoryByteSource bytes(std::vector<std::uint8_t>(data + 1, data + size));
    const structure::Definition& definition = *definitions[data[0] % definitions.size()];
    parseAndWalk(definition, bytes);
    walkTree(definition, data + 1, size - 1);
    return 0;
}
