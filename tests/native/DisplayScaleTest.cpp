// Lengths kept at 96 dots per inch made for other screens, and the largest
// font size whose frame fits a screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "editor/DisplayScale.h"
#include "editor/FontFit.h"

namespace {

TEST(DisplayScale, LengthsGoToTheNearestPixelHalvesAwayFromZeroWithin32Bits)
{
    constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t least = std::numeric_limits<std::int32_t>::min();
    struct Case {
        std::int32_t length;
        int from, to;
        std::int32_t expected;
    };
    const Case cases[] = {
        {14, 96, 144, 21},   {-14, 96, 144, -21}, {21, 144, 96, 14},     {13, 96, 144, 20},
        {-13, 96, 144, -20}, {14, 96, 120, 18},   {-20, 144, 96, -13},   {14, 96, 96, 14},
        {0, 96, 192, 0},     {most, 96, 192, most}, {least, 96, 192, least}, {14, 0, 144, 14},
        {14, 96, -1, 14},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(display::scaleLength(c.length, c.from, c.to), c.expected)
            << c.length << " from " << c.from << " to " << c.to;
    }
    const int points[][3] = {{12, 96, -16}, {10, 144, -20}, {11, 96, -15}, {72, 96, -96}, {11, 120, -18}};
    for (const auto& p : points) {
        EXPECT_EQ(display::characterHeightForPoints(p[0], p[1]), p[2]) << p[0] << " points at " << p[1];
    }
}

// What the font picker leaves at a higher resolution is stored at 96 as it was.
TEST(DisplayScale, AStoredHeightComesBackFromAnyHigherResolution)
{
    for (const int dpi : {96, 120, 144, 168, 192, 240, 288}) {
        for (std::int32_t height = -300; height <= 300; ++height) {
            const std::int32_t shown = display::scaleLength(height, display::referenceDpi, dpi);
            ASSERT_EQ(display::scaleLength(shown, dpi, display::referenceDpi), height) << "at " << dpi;
        }
    }
}

// A font of size s is 2s pixels high and s wide: the stand-alone frame is
// 75s + 29 by int(51.6s) + 49 in the hex view, 91s + 29 wide in the octal one.
TEST(FontFit, TheLargestSizeWhoseFrameFitsTheRoomIsFound)
{
    const FrameMetrics system{19, 19, 4, 16};
    const auto measure = [](int size) { return FontMetrics{2 * size, 0, size}; };
    struct Case {
        int octal;
        FrameSize room;
        int expected;
    };
    const Case cases[] = {
        {0, {1280, 1024}, 16}, {1, {1280, 1024}, 13},  {0, {779, 565}, 10}, {0, {778, 565}, 9},
        {0, {779, 564}, 9},    {0, {10000, 10000}, 72}, {0, {10, 10}, 0},
    };
    for (const Case& c : cases) {
        EditorCore core;
        core.octalMode = c.octal;
        EXPECT_EQ(largestFittingSize(core, {1, 72}, system, c.room, measure), c.expected)
            << c.room.width << " x " << c.room.height << ", octal " << c.octal;
    }
}

} // namespace
