#pragma once
// The one path that lays the frame out: sizing, the view switch, the font
// change, the status bar and the surface's relayout all come here. The frame
// is given: its first layout comes while it is being made, before the core
// holds its handle.
#include <windows.h>

struct EditorCore;

// The geometry computed afresh, the frame and the panes moved to it, a
// hosting parent told, the keyboard with the active pane.
void layoutFrame(EditorCore& core, HWND frame);
// After the user moved or sized the frame, or what it holds changed size:
// the new corner is kept, the size snaps back to the computed one.
void relayoutFrame(EditorCore& core, HWND frame);
