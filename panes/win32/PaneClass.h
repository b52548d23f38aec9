#pragma once
// What the three pane windows share: the registration and creation of a pane
// window, painting its rows, and the message handling of the two data panes.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "editor/EditorCore.h"
#include "view/RowText.h"

// Registers the class (a class left by an earlier editor window is reused) and
// creates the pane as a child of parent at its place for the current view,
// then shows and paints it. The handle is stored in `window` before the first
// painting, which draws the cursor into every pane whose window is known.
void createPaneWindow(HWND& window, const char* className, const char* title, WNDPROC windowProc, Pane pane,
                      HWND parent, HINSTANCE instance);

// A row's text at a character column and screen row, in the font and text
// colour selected into the context: a TextOutA for each run of one background.
void drawRowText(HDC dc, int column, int screenRow, const std::string& text, const std::vector<BackRun>& runs);

using RowPainter = void (*)(std::int32_t row, HDC dc, int screenRow);

// WM_PAINT of a pane: the rows it shows in normal colours, then the cursor
// when its row is on screen and, in the data panes, the selection.
void paintPane(HWND window, Pane pane, RowPainter drawRow);

// The window procedure of the hex and the ASCII pane, which differ only in the
// pane they are: its digits or characters, its cell mapping, its Left and Right.
LRESULT dataPaneMessage(Pane pane, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
