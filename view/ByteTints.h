#pragma once
// Background tints some bytes get in the data panes (a parsed structure's
// fields), under the selection and the cursor. The panes ask while painting,
// so an answer must be quick.
#include <cstdint>
#include <optional>

#include "view/CoreTypes.h"

// Bytes from an offset up to `end` that share one answer.
struct TintRun {
    std::optional<ColorRef> tint;
    std::uint64_t end = 0;
};

// A tint as the panes show it: a quarter of its hue over the background
// colour, so the text stays readable on light and dark backgrounds alike.
constexpr ColorRef tintOver(ColorRef background, ColorRef hue)
{
    ColorRef shown = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const ColorRef back = (background >> shift) & 0xFF;
        const ColorRef tint = (hue >> shift) & 0xFF;
        shown |= ((3 * back + tint) / 4) << shift;
    }
    return shown;
}

class ByteTints {
public:
    virtual ~ByteTints() = default;
    // The byte's tint's hue, or none: the background colour.
    virtual std::optional<ColorRef> tintAt(std::uint64_t offset) const = 0;
    // The byte's tint and how far it reaches, so that a row is painted a
    // stretch at a time rather than asked byte by byte.
    virtual TintRun tintRunAt(std::uint64_t offset) const { return {tintAt(offset), offset + 1}; }
};
