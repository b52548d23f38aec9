#include "editor/FontSettings.h"

#include <cstring>

namespace settings {

namespace {

void copyFaceName(FontDescription& description, const char* name)
{
    const std::size_t length = std::strlen(name);
    std::memcpy(description.faceName.data(), name, length);
    description.faceName[length] = '\0';
}

} // namespace

FontDescription fontDescription(const char* sizeText, const char* nameText, std::int32_t fallbackHeight)
{
    FontDescription description;
    description.height = sizeText != nullptr ? decimalValue(sizeText) : fallbackHeight;
    // A longer name would lose its end, and with it the face it names.
    const bool nameFits =
        nameText != nullptr && strnlen(nameText, FontDescription::faceNameCapacity) < FontDescription::faceNameCapacity;
    copyFaceName(description, nameFits ? nameText : defaultFontName);
    return description;
}

} // namespace settings
