#pragma once
// Message boxes owned by the editor's window (or by its dialog that is open),
// so that they block the editor and cannot stack; the keyboard goes back to
// the active pane afterwards.
#include <windows.h>

#include <string>

int showMessage(const std::wstring& text, const wchar_t* caption, UINT flags);
class Prompts;
// The core's questions and messages as such message boxes.
Prompts& win32Prompts();
int showMessage(const std::string& text, const char* caption, UINT flags);
