#include "document/RunGaps.h"

#include <cstdint>

std::size_t RunGaps::encodedLength(std::int64_t gap)
{
    std::size_t bytes = 1;
    for (auto rest = static_cast<std::uint64_t>(gap) >> valueBits; rest != 0; rest >>= valueBits) {
        ++bytes;
    }
    return bytes;
}

bool RunGaps::assign(const std::vector<std::int64_t>& offsets, std::int32_t length)
{
    clear();
    std::size_t bytes = 0;
    std::int64_t previousEnd = 0;
    for (const std::int64_t offset : offsets) {
        const std::int64_t gap = offset - previousEnd;
        if (gap < 0 || gap > INT32_MAX) {
            return false;
        }
        bytes += encodedLength(gap);
        previousEnd = offset + length;
    }
    encoded_.reserve(bytes + mostBytesPerGap); // just the room they take, and the last one's slack
    previousEnd = 0;
    for (const std::int64_t offset : offsets) {
        append(offset - previousEnd);
        previousEnd = offset + length;
    }
    return true;
}

void RunGaps::clear()
{
    encoded_.clear();
    count_ = 0;
    firstGap_ = 0;
    gapTotal_ = 0;
}
