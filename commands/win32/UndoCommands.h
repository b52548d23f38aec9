#pragma once
// Undo (command 15) and Redo (command 16): a memory shortage is reported.

void undoChange();
void redoChange();
