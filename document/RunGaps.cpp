#include "document/RunGaps.h"

void RunGaps::append(std::int64_t gap)
{
    auto rest = static_cast<std::uint64_t>(gap);
    while (rest > valueMask) {
        encoded_.push_back(static_cast<std::uint8_t>((rest & valueMask) | moreBit));
        rest >>= valueBits;
    }
    encoded_.push_back(static_cast<std::uint8_t>(rest));
    firstGap_ = count_ == 0 ? gap : firstGap_;
    gapTotal_ += gap;
    ++count_;
}

bool RunGaps::assign(const std::vector<std::int64_t>& offsets, std::int32_t length)
{
    clear();
    std::int64_t previousEnd = 0;
    for (const std::int64_t offset : offsets) {
        if (offset < previousEnd) {
            clear();
            return false;
        }
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
