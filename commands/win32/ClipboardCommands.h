#pragma once
// Cut, Copy and Paste through the system clipboard: as CF_TEXT for every
// program, and as the exact bytes in Nibblor's own format, which Paste prefers.
#include <windows.h>

#include "commands/win32/GlobalClipboard.h"

// Copy (command 7): the selection's text onto the clipboard in steps, then no
// selection. A selection that cannot be put there stays, and the user is told.
void copySelection(HWND frame);

// Cut (command 6): Copy, then the selected bytes removed. When the copy fails
// the bytes stay: they would be lost.
void cutSelection(HWND frame);

// Paste (command 8): Nibblor's bytes, or else the clipboard's text as the
// active pane reads it, written over the document from the cursor on (in
// insert mode, inserted there).
void pasteClipboard(HWND frame);

