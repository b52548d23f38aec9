#pragma once
// The colours and the display font taken from the settings, and the system's
// font description for one of the editor's.
#include <windows.h>

#include <cstdint>

#include "editor/FontSettings.h"

struct EditorCore;

// The height and face of the description; every other field 0.
LOGFONTA logFontFor(const FontDescription& description);
// The five colours from the settings; an unreadable one keeps its value.
void readColorSettings(EditorCore& core);
// The display font from "FontSize" and "FontName", writing their defaults
// when they cannot be read; the stored height is scaled from 96 to the
// layout's dpi.
HFONT createFontFromSettings(EditorCore& core);
// The font the settings name, writing nothing: the stored "FontSize" or
// fallbackHeight, and a stored "FontName" that fits, else the default face.
FontDescription storedFontDescription(EditorCore& core, std::int32_t fallbackHeight);
