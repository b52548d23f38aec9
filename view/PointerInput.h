#pragma once
// The mouse in the data panes: clicks that place the cursor, and drags that
// move the selection's far end. A point's cell is the core's cellAtPoint.
#include "view/CoreTypes.h"

struct EditorCore;

// How a point in the pane maps to a cell in the current view.
CellMapping mappingFor(const EditorCore& core, Pane pane);
// A left click at a point of a data pane: the cursor on the cell (the end
// position past the last byte), the pane takes the keyboard, the panes are
// repainted at once. A click in the hex pane also clears the selection.
void clickAt(EditorCore& core, Pane pane, int x, int y);
// A drag with the left button down: the selection's far end to the cell.
void dragTo(EditorCore& core, Pane pane, int x, int y);
