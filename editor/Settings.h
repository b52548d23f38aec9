#pragma once
// The remembered settings: their names, defaults and text forms.
#include <cstdint>
#include <string>

namespace settings {

constexpr const char* activeCursor = "Active Cursor";
constexpr const char* inactiveCursor = "Inactive Cursor";
constexpr const char* selection = "Selection";
constexpr const char* text = "Text";
constexpr const char* background = "Background";
// Bytes that differ from the compared file's.
constexpr const char* difference = "Difference";
constexpr const char* fontSize = "FontSize";
constexpr const char* fontName = "FontName";

// The data inspector and the status bar: "1" shown, "0" (or nothing) hidden;
// the inspector's place on the screen as "x,y,width,height".
constexpr const char* inspectorShown = "DataInspector";
constexpr const char* inspectorPlace = "InspectorPlace";
constexpr const char* bigEndian = "BigEndian";
// The Structure window: shown, its place, and its fields tinted in the panes
// ("1", the default, or "0"). HKCU\Software\Nibblor\StructureByExtension
// holds the definition the user chose for each file extension.
constexpr const char* structureShown = "StructureWindow";
constexpr const char* structurePlace = "StructurePlace";
constexpr const char* structureColourFields = "StructureColourFields";
constexpr const char* structureByExtension = "StructureByExtension";
constexpr const char* statusBarShown = "StatusBar";
// Whether typing and Paste insert bytes: 1 or 0.
constexpr const char* insertModeOn = "InsertMode";

constexpr std::int32_t defaultFontSize = 14;
constexpr const char* defaultFontSizeText = "14";
constexpr const char* defaultFontName = "Courier New";

// Registry key under HKEY_CURRENT_USER that holds one subkey per setting.
constexpr const char* rootKey = "Software\\Nibblor";

// The decimal value of a stored text: leading blanks and a sign allowed,
// conversion stops at the first non-digit, no digits give 0. Values beyond
// 32 bits are held at the nearest limit.
std::int32_t decimalValue(const char* digits);

// The stored text of a number: its signed decimal digits, as "%d" writes them.
std::string decimalText(std::int32_t value);

} // namespace settings
