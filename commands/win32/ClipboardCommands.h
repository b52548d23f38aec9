#pragma once
// Cut, Copy, Copy As and Paste from the menus and keys: the core's clipboard
// flows, with a progress window for the long ones.
#include <windows.h>

#include "commands/CopyAs.h"

// Copy (command 7): the selection's text onto the clipboard in steps, then no
// selection. A selection that cannot be put there stays, and the user is told.
void copySelection(HWND frame);

// Cut (command 6): Copy, then the selected bytes removed. When the copy fails
// the bytes stay: they would be lost.
void cutSelection(HWND frame);

// Copy As: the selection as the text of `form`.
void copySelectionAs(HWND frame, CopyAsForm form);

// Paste (command 8): Nibblor's bytes, or else the clipboard's text as the
// active pane reads it, written over the document from the cursor on (in
// insert mode, inserted there).
void pasteClipboard(HWND frame);
