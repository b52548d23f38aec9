#pragma once
// The system's font description for one of the editor's.
#include <windows.h>

#include "editor/FontSettings.h"

// The height and face of the description; every other field 0.
LOGFONTA logFontFor(const FontDescription& description);
