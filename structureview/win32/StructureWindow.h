#pragma once
// The Structure window: a tool window beside the frame that lays a structure
// definition over the document and lists its fields as a tree, following the
// cursor, tinting the fields in the panes and taking typed values for them.
#include <windows.h>

constexpr wchar_t structureClassName[] = L"NibStructure";
constexpr wchar_t structureCaption[] = L"Structure";

// The list's context menu items, sent to the window as commands.
constexpr int structureCopyValueCommand = 200;
constexpr int structureCopyJsonCommand = 201;

bool structureShown();
// Shown beside the frame, where it was last, without taking the keyboard; or
// hidden, its place remembered and the panes untinted.
void showStructure(HWND frame, bool shown);
// After the editor showed a change: the tree parsed again when the document
// changed, a new document's definition chosen, the cursor's row selected.
void refreshStructure();
// The frame is going: the window goes with it, its settings kept.
void dropStructure();
