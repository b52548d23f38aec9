#include "structureview/DocumentByteSource.h"

#include <algorithm>
#include <cstring>

std::uint64_t DocumentByteSource::size() const
{
    const std::int64_t length = document_.length();
    return length > 0 ? static_cast<std::uint64_t>(length) : 0;
}

bool DocumentByteSource::read(std::uint64_t offset, std::uint8_t* out, std::size_t count) const
{
    const std::uint64_t length = size();
    if (offset > length || count > length - offset) {
        return false;
    }
    const auto first = static_cast<std::int64_t>(offset);
    const auto end = first + static_cast<std::int64_t>(count);
    // Blocks may hold bytes before `first`; copy only the part inside [first, end).
    return document_.forEachBlock(first, end, [&](std::int64_t blockOffset, ByteSpan block) {
        const std::int64_t from = std::max(first, blockOffset);
        const std::int64_t to = std::min(end, blockOffset + static_cast<std::int64_t>(block.count));
        if (to > from) {
            std::memcpy(out + static_cast<std::size_t>(from - first), block.bytes + static_cast<std::size_t>(from - blockOffset),
                        static_cast<std::size_t>(to - from));
        }
        return true;
    });
}
