#pragma once
// The data inspector, the Structure window and the status bar together: the
// View menu's commands, the choices remembered, and their texts brought up to
// date once the editor has shown a change.
#include <windows.h>

// Posted to the frame, once, after the core drew or repainted anything.
constexpr UINT refreshInfoMessage = WM_APP + 1;

// Data Inspector (command 20) and Status Bar (command 21): shown or hidden,
// and remembered.
void toggleInspector(HWND frame);
void toggleStatusBar(HWND frame);
// Structure (command 39): shown or hidden, and remembered.
void toggleStructure(HWND frame);
// A new frame: each shown as it was last.
void restoreInfoPanels(HWND frame);
// The frame is going.
void dropInfoPanels();

// What the panes show may have changed: a refresh is posted, unless one is.
void requestInfoRefresh();
// The posted refresh.
void refreshInfoPanels();
