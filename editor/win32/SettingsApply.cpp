// The colours and the display font taken from the settings when an editor
// window is created.
#include <windows.h>

#include <cstring>

#include "editor/EditorCore.h"
#include "editor/Settings.h"

namespace {

constexpr int settingArea = 1024;

} // namespace

void EditorCore::readColorSettings()
{
    struct ColorSetting {
        const char* name;
        ColorRef* field;
    };
    const ColorSetting colors[] = {
        {settings::activeCursor, &activeCursorColor},
        {settings::inactiveCursor, &inactiveCursorColor},
        {settings::selection, &selectionColor},
        {settings::text, &textColor},
        {settings::background, &backgroundColor},
    };
    char area[settingArea];
    for (const ColorSetting& color : colors) {
        if (readSetting(color.name, area, settingArea)) {
            *color.field = static_cast<ColorRef>(settings::decimalValue(area));
        }
    }
}

FontHandle EditorCore::createFontFromSettings()
{
    LOGFONTA description;
    std::memset(&description, 0, sizeof description);

    char area[settingArea];
    if (readSetting(settings::fontSize, area, settingArea)) {
        description.lfHeight = settings::decimalValue(area);
    } else {
        // A stored value that does not fit is the user's: fall back, keep it.
        if (!settingStored(settings::fontSize)) {
            writeSetting(settings::fontSize, settings::defaultFontSizeText);
        }
        description.lfHeight = settings::defaultFontSize;
    }

    if (!readSetting(settings::fontName, description.lfFaceName, LF_FACESIZE)) {
        // A name longer than the face-name field fails to read: use the default
        // for this window but leave the stored name alone.
        if (!settingStored(settings::fontName)) {
            writeSetting(settings::fontName, settings::defaultFontName);
        }
        lstrcpynA(description.lfFaceName, settings::defaultFontName, LF_FACESIZE);
    }
    return CreateFontIndirectA(&description);
}
