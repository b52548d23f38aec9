#pragma once
// A column of a report list view.
#include <windows.h>

void addListColumn(HWND list, int column, const wchar_t* title, int width);
