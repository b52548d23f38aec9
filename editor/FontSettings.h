#pragma once
// The display font as the settings describe it: the height from "FontSize"
// and the face from "FontName", bounded to the system's face-name field.
#include <array>
#include <cstddef>
#include <cstdint>

#include "editor/Settings.h"

struct FontDescription {
    // The system's face-name field, its terminating zero included.
    static constexpr std::size_t faceNameCapacity = 32;

    std::int32_t height = 0; // logical units: negative a character height, positive a cell height
    std::array<char, faceNameCapacity> faceName{};
};

namespace settings {

// The font picker's height when "FontSize" cannot be read (an editor window
// uses defaultFontSize).
constexpr std::int32_t pickerFallbackFontSize = 8;

// The description from the stored texts, null where a setting could not be
// read: the height is the decimal value of sizeText, else fallbackHeight; the
// face is nameText when it fits the face-name field, else the default face.
FontDescription fontDescription(const char* sizeText, const char* nameText, std::int32_t fallbackHeight);

} // namespace settings
