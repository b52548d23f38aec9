#include "editor/DisplayScale.h"

#include <cstdlib>
#include <limits>

namespace display {

std::int32_t scaleLength(std::int32_t length, int fromDpi, int toDpi)
{
    if (fromDpi <= 0 || toDpi <= 0) {
        return length;
    }
    // 64 bits hold any 32-bit length times any int resolution.
    const std::int64_t product = static_cast<std::int64_t>(length) * toDpi;
    const std::int64_t half = fromDpi / 2;
    const std::int64_t magnitude = (std::llabs(product) + half) / fromDpi;
    const std::int64_t scaled = product < 0 ? -magnitude : magnitude;
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(scaled < lowest ? lowest : scaled > highest ? highest : scaled);
}

std::int32_t characterHeightForPoints(int points, int dpi)
{
    return -scaleLength(points, pointsPerInch, dpi);
}

} // namespace display
