#include "commands/Checksums.h"

#include <algorithm>

#include "editor/EditorCore.h"
#include "editor/StatusLine.h"
#include "view/Editing.h"

namespace {

// The selected bytes, or the whole document without a selection.
ByteRange checksumRange(const EditorCore& core)
{
    const ByteRange selected = selectedBytes(core);
    return selected.count > 0 ? selected : ByteRange{0, std::max(core.buffer.size, 0)};
}

} // namespace

std::string checksumScopeText(const EditorCore& core)
{
    const ByteRange range = checksumRange(core);
    if (selectedBytes(core).count == 0) {
        return "Whole document: " + byteCount(range.count);
    }
    const std::int64_t last = static_cast<std::int64_t>(range.first) + range.count - 1;
    return "Selection: 0x" + hexDigits(range.first) + "-0x" + hexDigits(last) + ", " + byteCount(range.count);
}

std::optional<ChecksumResult> checksumsOf(const EditorCore& core, DigestMaker& digests, Sha1Check& check,
                                          Progress& progress)
{
    const ByteRange range = checksumRange(core);
    const std::uint8_t* bytes = core.buffer.span(range.first, range.count).bytes;
    return runChecksums(bytes, static_cast<std::size_t>(range.count), digests, check, progress);
}
