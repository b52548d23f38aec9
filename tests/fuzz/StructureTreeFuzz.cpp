// The Structure window's tree over any bytes under the project's own
// definitions: the first byte picks the definition, the next few open,
// close and select rows, find the row for bytes and change a byte for a
// reparse; the rows, the rows found and every byte's tint are checked.
#include "document/FileBuffer.h"
#include "structureview/StructureTree.h"
#include "tests/fuzz/StructureFuzz.h"

#include <algorithm>

namespace {

constexpr std::size_t stepCount = 8;
constexpr std::size_t rowsChecked = 64;

void checkRows(StructureTree& tree)
{
    const std::size_t count = tree.rowCount();
    for (std::size_t i = 0; i < std::min(count, rowsChecked); ++i) {
        const StructureRow row = tree.row(i);
        check(row.depth >= 0, "a row's depth is not negative");
        check(row.kind != RowKind::error || i + 1 >= tree.rowCount(), "the error's row is the last");
    }
}

void checkTints(const FieldTints& tints, std::uint64_t size)
{
    for (std::uint64_t offset = 0; offset < size;) {
        const TintRun run = tints.tintRunAt(offset);
        check(run.end > offset, "a run of one tint holds its first byte");
        const std::uint64_t end = std::min(run.end, size);
        for (std::uint64_t at = offset; at < end; ++at) {
            check(tints.tintAt(at) == run.tint, "every byte of a run has its tint");
        }
        offset = end;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto definitions = fuzzDefinitions();
    static const structure::IconvTextConverter converter;
    if (size <= 1 + stepCount) {
        return 0;
    }
    const std::uint8_t* steps = data + 1;
    FileBuffer document;
    const auto length = static_cast<std::int32_t>(size - 1 - stepCount);
    check(document.reserve(length), "the document's bytes");
    document.setSize(length);
    document.overwrite(0, steps + stepCount, static_cast<std::size_t>(length));
    StructureTree tree(*definitions[data[0] % definitions.size()], document, converter);
    for (std::size_t s = 0; s < stepCount; ++s) {
        const std::size_t row = steps[s] % (tree.rowCount() + 1);
        const auto offset = static_cast<std::uint64_t>(steps[s] * length / 256);
        switch (steps[s] % 4) {
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
            const std::uint8_t changed = static_cast<std::uint8_t>(steps[s] ^ 0xFF);
            if (length > 0) {
                document.overwrite(static_cast<std::int32_t>(offset), &changed, 1);
            }
            tree.reparse();
            break;
        }
        }
        checkRows(tree);
    }
    checkTints(tree.tints(), static_cast<std::uint64_t>(length));
    return 0;
}
