#include "commands/Checksums.h"

#include <algorithm>

#include "editor/StatusLine.h"

ChecksumScope checksumScope(const EditorCore& core)
{
    const ByteRange selected = core.selectedBytes();
    if (selected.count > 0) {
        const std::int64_t last = static_cast<std::int64_t>(selected.first) + selected.count - 1;
        return {selected, "Selection: 0x" + hexDigits(selected.first) + "-0x" + hexDigits(last) + ", " +
                              byteCount(selected.count)};
    }
    const std::int32_t size = std::max(core.buffer.size, 0);
    return {{0, size}, "Whole document: " + byteCount(size)};
}

std::string lowercaseHex(const std::uint8_t* bytes, std::size_t count)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string text(2 * count, '0');
    for (std::size_t i = 0; i < count; ++i) {
        text[2 * i] = digits[bytes[i] >> 4];
        text[2 * i + 1] = digits[bytes[i] & 0x0F];
    }
    return text;
}
