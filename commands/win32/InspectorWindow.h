#pragma once
// The data inspector: a tool window beside the frame that lists what the bytes
// at the cursor mean as each type, read in the byte order chosen, and takes a
// typed value to write over them.
#include <windows.h>

// The window's class and caption.
constexpr wchar_t inspectorClassName[] = L"NibInspector";
constexpr wchar_t inspectorCaption[] = L"Data Inspector";

bool inspectorShown();
// Shown beside the frame, where it was last, without taking the keyboard; or
// hidden, its place remembered.
void showInspector(HWND frame, bool shown);
// The Value texts from the editor's state; only changed ones are set again.
void refreshInspector();
// The frame is going: the inspector goes with it, its settings kept.
void dropInspector();
