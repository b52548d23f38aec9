// Searching the document forward from a row, with one wrap to the start.
#include "document/FileBuffer.h"

#include <algorithm>
#include <vector>

namespace {

// Scans [start, last] for the pattern, passing over the offsets from
// passFirst to passLast, with the matcher Find and Replace uses.
std::int32_t scan(const std::uint8_t* data, std::int64_t start, std::int64_t last, const SearchPattern& pattern,
                  std::int64_t passFirst, std::int64_t passLast)
{
    const auto end = last + static_cast<std::int64_t>(pattern.size());
    for (std::int64_t from = start; from <= last;) {
        const std::int64_t match = findForward(data, from, end, pattern);
        if (match < 0) {
            return -1;
        }
        if (match < passFirst || match > passLast) {
            return static_cast<std::int32_t>(match);
        }
        from = passLast + 1;
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
    const SearchPattern exact = exactPattern(std::vector<std::uint8_t>(pattern, pattern + length));
    const std::int32_t found = scan(data.get(), start, last, exact, passFirst, passLast);
    if (found != -1 || startRow == 0) {
        return found;
    }
    // The wrap: from the start up to where the first scan began, past which
    // it found nothing.
    return scan(data.get(), scanStart(0), std::min(last, start - 1), exact, passFirst, passLast);
}

std::int64_t FileBuffer::scanStart(std::int32_t startRow) const
{
    // The row number is compared with the byte count, as Find is defined to do.
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
    const SearchPattern exact = exactPattern(std::vector<std::uint8_t>(pattern, pattern + length));
    return scan(data.get(), 0, static_cast<std::int64_t>(size) - length, exact, 1, 0) != -1;
}
