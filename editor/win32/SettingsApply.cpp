// The colours and the display font taken from the settings when an editor
// window is created, and the font the picker starts from.
#include "editor/win32/SettingsApply.h"

#include <cstring>

#include "editor/ColorSettings.h"
#include "editor/DisplayScale.h"
#include "editor/EditorCore.h"
#include "editor/FontSettings.h"
#include "editor/Settings.h"
#include "editor/win32/SettingsStore.h"

namespace {

constexpr int settingArea = 1024;

static_assert(FontDescription::faceNameCapacity == LF_FACESIZE, "the face name must fit the system's field");

} // namespace

LOGFONTA logFontFor(const FontDescription& description)
{
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = description.height;
    std::memcpy(font.lfFaceName, description.faceName.data(), LF_FACESIZE);
    return font;
}

void readColorSettings(EditorCore& core)
{
    char area[settingArea];
    for (const char* name : settings::colorNames) {
        if (core.readSetting(name, area, settingArea)) {
            *settings::colorField(core, name) = static_cast<ColorRef>(settings::decimalValue(area));
        }
    }
}

FontDescription storedFontDescription(EditorCore& core, std::int32_t fallbackHeight)
{
    char size[settingArea];
    char name[settingArea];
    const bool haveSize = core.readSetting(settings::fontSize, size, settingArea);
    const bool haveName = core.readSetting(settings::fontName, name, settingArea);
    return settings::fontDescription(haveSize ? size : nullptr, haveName ? name : nullptr, fallbackHeight);
}

HFONT createFontFromSettings(EditorCore& core)
{
    // Only a missing setting gets its default stored: a value that cannot be
    // used (too long, say) is the user's, and this window just falls back.
    if (!settingStored(settings::fontSize)) {
        core.writeSetting(settings::fontSize, settings::defaultFontSizeText);
    }
    if (!settingStored(settings::fontName)) {
        core.writeSetting(settings::fontName, settings::defaultFontName);
    }
    // The stored height is kept at 96 dots per inch: the screen's may be more.
    FontDescription stored = storedFontDescription(core, settings::defaultFontSize);
    stored.height = display::scaleLength(stored.height, display::referenceDpi, core.layout.dpi());
    const LOGFONTA description = logFontFor(stored);
    return CreateFontIndirectA(&description);
}
