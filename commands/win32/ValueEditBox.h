#pragma once
// A value edited in place: an edit box over a cell of a report list. Enter
// hands its text on, and the box closes when the text was taken; Escape, or
// the keyboard going elsewhere, abandons the edit.
#include <windows.h>

#include <string>

// True when the text was taken; false keeps the box open to correct it.
using ValueCommit = bool (*)(int row, const std::wstring& text);

// The box starts with `text`, all of it selected.
void beginValueEdit(HWND list, int row, int column, const std::wstring& text, ValueCommit commit);
void endValueEdit();
