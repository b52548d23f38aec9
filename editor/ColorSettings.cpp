#include "editor/ColorSettings.h"

#include <cstdint>

namespace settings {

namespace {

constexpr ColorRef white = 0xFFFFFF;

// The editor's own fields in the order of colorNames; the comparison's colour follows them.
constexpr std::array<ColorRef EditorCore::*, colorNames.size() - 1> editorColorFields = {
    &EditorCore::activeCursorColor, &EditorCore::inactiveCursorColor, &EditorCore::selectionColor,
    &EditorCore::textColor, &EditorCore::backgroundColor};

// The colour of colorNames[index], of a const editor or not.
template <class Core>
auto& colorAt(Core& core, std::size_t index)
{
    return index < editorColorFields.size() ? core.*editorColorFields[index] : core.comparison.differenceColor;
}

} // namespace

ColorRef* colorField(EditorCore& core, std::string_view name)
{
    for (std::size_t i = 0; i < colorNames.size(); ++i) {
        if (name == colorNames[i]) {
            return &colorAt(core, i);
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
    for (std::size_t i = 0; i < colorNames.size(); ++i) {
        palette[i] = colorAt(core, i);
    }
    return palette;
}

} // namespace settings
