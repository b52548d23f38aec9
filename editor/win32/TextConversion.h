#pragma once
// Text between the system's code pages and UTF-16, whole whatever its length.
#include <windows.h>

#include <string>
#include <string_view>

std::wstring wideText(std::string_view text, UINT codePage);
// The text in the code page; false when a character has no form there (the
// system's default character stands in for it, never a look-alike).
bool narrowText(std::wstring_view text, UINT codePage, std::string& narrow);

// A dialog's edit box's whole text in UTF-8, however long: never cut short
// into another value, and whole for the messages that repeat it.
std::string dialogFieldText(HWND dialog, int field);
