#pragma once
// Message boxes owned by the editor's window (or by its dialog that is open),
// so that they block the editor and cannot stack; the keyboard goes back to
// the active pane afterwards.
#include <windows.h>

#include <string>

int showMessage(const std::wstring& text, const wchar_t* caption, UINT flags);
int showMessage(const std::string& text, const char* caption, UINT flags);
