#pragma once
// Change Font (command 12): a fixed-pitch screen font chosen with the system's
// font picker, used at once, stored, and the frame laid out for it.
#include <windows.h>

#include <cstdint>
#include <string>

// The picker, started from the stored font. True when the user chose one:
// font is then a new font object of the choice (null if it could not be
// made), faceName and height the description the picker left.
bool pickFont(HFONT& font, std::string& faceName, std::int32_t& height);

// The command: false, changing nothing, when the picker was cancelled.
bool changeFont();
