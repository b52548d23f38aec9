#pragma once
// The status bar at the foot of the frame: the cursor's offset, the selection,
// the size, the view, the typing mode and whether the document is read-only.
#include <windows.h>

bool statusBarShown();
// Made or taken down; the frame grows or shrinks by its height, so the panes
// keep their size.
void showStatusBar(HWND frame, bool shown);
// The frame is going: the bar goes with it, and the next frame starts without.
void dropStatusBar();
// After the frame's size changed: the bar keeps to its foot.
void placeStatusBar();
// Its parts from the editor's state; only changed texts are set again.
void refreshStatusBar();
