#pragma once
// What the three pane windows share: the registration and creation of a pane
// window, painting its rows, and the input handling of the two data panes.
#include <windows.h>

#include <cstdint>
#include <string>

#include "editor/EditorCore.h"

// Registers the class (a class left by an earlier editor window is reused) and
// creates the pane as a child of parent at its place for the current view,
// shown and updated.
HWND createPaneWindow(const char* className, const char* title, WNDPROC windowProc, Pane pane, HWND parent,
                      HINSTANCE instance);

// The bytes a row shows: from its first offset, up to a row's worth, stopping
// at the data size (a short last row, or none past the data).
struct RowSpan {
    std::int32_t first;
    int count;
};
RowSpan rowSpan(std::int32_t row);

// A row's text with one TextOutA at a character column and screen row, in the
// font and colours selected into the context.
void drawRowText(HDC dc, int column, int screenRow, const std::string& text);

using RowPainter = void (*)(std::int32_t row, HDC dc, int screenRow);

// WM_PAINT of a pane: the visible rows in normal colours, then the cursor when
// its row is on screen, then the selection when asked for and present.
void paintPane(HWND window, RowPainter drawRow, bool withSelection);

// SendMessageA to the frame with lParam 0.
void sendToFrame(UINT message, WPARAM wParam);

// Ctrl+X, Ctrl+C and Ctrl+V as the frame's Cut, Copy and Paste; false for any
// other character.
bool forwardClipboardChar(WPARAM character);

// WM_KEYDOWN of a data pane. The pane's own Left and Right handling is passed
// in; everything else is shared.
LRESULT dataPaneKeyDown(HWND window, WPARAM key, LPARAM lParam, void (*left)(), void (*right)());

// The cell under a pane point (mouse message lParam, signed coordinates). The
// row never goes below 0: a drag may leave the pane upwards, and an empty
// document has no row for the limit to keep.
ScreenCell paneCellAtPoint(LPARAM point, CellMapping mapping);

// A click: the cursor on the cell, or on the end position for a point past
// the last byte.
void placeCursorAt(ScreenCell cell);

// A drag with the left button down: moves the selection's far end to the cell.
void dragSelectionTo(ScreenCell cell);

// Invalidates (with erasing) the given panes in the given order, then updates
// offset, hex and ASCII in that order.
void repaintPanesAfterClick(HWND first, HWND second, HWND third);

// The context menu at a point of the pane's client area.
void showPaneContextMenu(HWND window, LPARAM point);
