#pragma once
// Lengths kept at the reference resolution, such as the stored "FontSize",
// and the same lengths on a screen of another resolution (dots per inch).
#include <cstdint>

namespace display {

// The resolution stored lengths are kept at: the system's "100 %".
constexpr int referenceDpi = 96;
// A point is 1/72 inch.
constexpr int pointsPerInch = 72;

// A length at fromDpi given at toDpi, rounded to the nearest with halves away
// from zero (so a negative character height scales as its positive cell
// height does) and held within 32 bits. Unchanged when either resolution is
// not positive.
std::int32_t scaleLength(std::int32_t length, int fromDpi, int toDpi);

// A font of `points` as a LOGFONT height at `dpi`: a character height, negative.
std::int32_t characterHeightForPoints(int points, int dpi);

} // namespace display
