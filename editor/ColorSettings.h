#pragma once
// The display colours as the Colours dialog lists them and the settings store
// keeps them: each name with its field, and their stored text.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "editor/EditorCore.h"
#include "editor/Settings.h"

namespace settings {

// In the order the dialog lists them and stores them; Difference came later.
inline constexpr std::array<const char*, 6> colorNames = {activeCursor, inactiveCursor, selection, text,
                                                          background,   difference};

// The editor's field that a colour name stands for; null for any other text.
ColorRef* colorField(EditorCore& core, std::string_view name);

// A colour's stored text: the signed decimal of its 32-bit value.
std::string colorText(ColorRef color);

// The colour picker's own palette of custom colours: the display colours
// in the list's order, so that one can be matched to another, then white.
inline constexpr std::size_t customColorCount = 16;
std::array<ColorRef, customColorCount> customColors(const EditorCore& core);

} // namespace settings
