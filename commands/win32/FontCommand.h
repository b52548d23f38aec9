#pragma once
// Change Font (command 12): a fixed-pitch screen font chosen with the system's
// font picker among the sizes whose frame fits the screen, used at once,
// stored, and the frame laid out for it. And the same font made again when the
// frame moves to a screen of another resolution.
#include <windows.h>

#include <cstdint>
#include <string>

struct FontChoice {
    HFONT font = nullptr;   // made at the editor's resolution; null if it could not be
    std::string faceName;
    std::int32_t height = 0; // as stored: a LOGFONT height at 96 dots per inch
    int points = 0;
};

// The picker, started from the stored font. True when the user chose one.
bool pickFont(FontChoice& chosen);

// The command: false, changing nothing, when the picker was cancelled. A font
// whose frame would not fit the screen is refused with a message.
bool changeFont();

// WM_DPICHANGED: the font for the new resolution, the frame at the suggested
// corner and laid out for it.
void followDpiChange(HWND frame, int dpi, const RECT& suggested);
