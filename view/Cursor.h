#pragma once
// The cursor: the one place it is put, its cells drawn where it stands, the
// hex pane's moves digit by digit, and which data pane has the keyboard.
#include <cstdint>

#include "view/CoreTypes.h"

struct EditorCore;

// The one place the cursor is put: its row, column and screen row follow
// from the offset and the visible rows.
void setCursorOffset(EditorCore& core, std::int32_t offset);
// A byte of the data lies under the cursor (not the end position or past it).
bool cursorOnByte(const EditorCore& core);
// The cursor drawn, or drawn away, at its own place (its screen row, column,
// offset and digit).
void showCursorHere(EditorCore& core);
void hideCursorHere(EditorCore& core);
// The last digit of a number cell in the current view.
int lastDigit(const EditorCore& core);
// The hex pane's Left and Right: digit by digit while it has the keyboard.
void moveLeftByDigit(EditorCore& core);
void moveRightByDigit(EditorCore& core);
// Tab: the other data pane takes the keyboard; the cursor is redrawn in its
// new colours.
void switchActivePane(EditorCore& core, std::int32_t pane);
// A data pane got the keyboard: it is the active one from now on.
void paneTookFocus(EditorCore& core, Pane pane);
