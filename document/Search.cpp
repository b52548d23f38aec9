// Searching the document forward from a row, with one wrap to the start.
#include "document/FileBuffer.h"

#include <algorithm>
#include <cstring>

namespace {

// Scans [start, last] for the pattern, passing over the offsets from
// passFirst to passLast. The first byte is found with memchr, so the scan
// runs at memory speed between candidates.
std::int32_t scan(const std::uint8_t* data, std::int64_t start, std::int64_t last, const std::uint8_t* pattern,
                  std::int32_t length, std::int64_t passFirst, std::int64_t passLast)
{
    std::int64_t i = start;
    while (i <= last) {
        const void* hit = std::memchr(data + i, pattern[0], static_cast<std::size_t>(last - i + 1));
        if (hit == nullptr) {
            return -1;
        }
        i = static_cast<const std::uint8_t*>(hit) - data;
        if (i >= passFirst && i <= passLast) {
            i = passLast + 1;
            continue;
        }
        if (std::memcmp(data + i + 1, pattern + 1, static_cast<std::size_t>(length - 1)) == 0) {
            return static_cast<std::int32_t>(i);
        }
        ++i;
    }
    return -1;
}

} // namespace

std::int32_t FileBuffer::findBytes(const std::uint8_t* pattern, std::int32_t startRow, std::int32_t length) const
{
    if (length < 1 || size < length || !data.held()) {
        return -1;
    }
    // After a match, the match itself and the row before it are passed over.
    std::int64_t passFirst = 1;
    std::int64_t passLast = 0;
    if (lastMatchOffset != -1) {
        passFirst = static_cast<std::int64_t>(lastMatchOffset) - bytesPerRow_;
        passLast = lastMatchOffset;
    }
    const std::int64_t last = static_cast<std::int64_t>(size) - length;
    const std::int64_t start = scanStart(startRow);
    const std::int32_t found = scan(data.get(), start, last, pattern, length, passFirst, passLast);
    if (found != -1 || startRow == 0) {
        return found;
    }
    // The wrap: from the start up to where the first scan began, past which
    // it found nothing.
    return scan(data.get(), scanStart(0), std::min(last, start - 1), pattern, length, passFirst, passLast);
}

std::int64_t FileBuffer::scanStart(std::int32_t startRow) const
{
    // The row number is compared with the byte count, as it always was.
    std::int64_t start = 0;
    if (startRow > 0 && startRow < size) {
        start = std::min<std::int64_t>(static_cast<std::int64_t>(startRow) * bytesPerRow_, size);
    }
    // A last match in the start row or just below it: the scan goes on after it.
    if (lastMatchOffset != -1 && lastMatchOffset >= start && lastMatchOffset <= start + bytesPerRow_) {
        start = static_cast<std::int64_t>(lastMatchOffset) + 1;
    }
    return start;
}

bool FileBuffer::contains(const std::uint8_t* pattern, std::int32_t length) const
{
    if (length < 1 || size < length || !data.held()) {
        return false;
    }
    return scan(data.get(), 0, static_cast<std::int64_t>(size) - length, pattern, length, 1, 0) != -1;
}
