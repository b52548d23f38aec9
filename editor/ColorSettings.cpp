#include "editor/ColorSettings.h"

#include <cstdint>

namespace settings {

namespace {

constexpr ColorRef white = 0xFFFFFF;

// Each field in the order of colorNames.
constexpr std::array<ColorRef EditorCore::*, colorNames.size()> colorFields = {
    &EditorCore::activeCursorColor, &EditorCore::inactiveCursorColor, &EditorCore::selectionColor,
    &EditorCore::textColor, &EditorCore::backgroundColor, &EditorCore::differenceColor};

} // namespace

ColorRef* colorField(EditorCore& core, std::string_view name)
{
    for (std::size_t i = 0; i < colorNames.size(); ++i) {
        if (name == colorNames[i]) {
            return &(core.*colorFields[i]);
        }
    }
    return nullptr;
}

std::string colorText(ColorRef color)
{
    // A stored "-1" reads back as 0xFFFFFFFF, which is written as "-1" again.
    return decimalText(static_cast<std::int32_t>(color));
}

std::array<ColorRef, customColorCount> customColors(const EditorCore& core)
{
    std::array<ColorRef, customColorCount> palette{};
    palette.fill(white);
    for (std::size_t i = 0; i < colorFields.size(); ++i) {
        palette[i] = core.*colorFields[i];
    }
    return palette;
}

} // namespace settings
