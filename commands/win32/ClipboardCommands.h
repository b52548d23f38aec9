#pragma once
// Cut, Copy and Paste through the system clipboard: as CF_TEXT for every
// program, and as the exact bytes in Nibblor's own format, which Paste prefers.
#include <windows.h>

#include <cstddef>

// Copy (command 7): the selection's text onto the clipboard, then no
// selection. A selection that cannot be put there stays, and the user is told.
void copySelection(HWND frame);

// Cut (command 6): Copy, then the selected bytes removed. When the copy fails
// the bytes stay: they would be lost.
void cutSelection(HWND frame);

// Paste (command 8): Nibblor's bytes, or else the clipboard's text as the
// active pane reads it, written over the document from the cursor on (in
// insert mode, inserted there).
void pasteClipboard(HWND frame);

// The format Copy and Cut put the exact bytes in: their count as 8 bytes,
// then the bytes.
UINT bytesClipboardFormat();

// Hands `size` bytes to the clipboard in the format, in place of what it held;
// false, the clipboard untouched or emptied, when no memory or no clipboard
// can be had.
bool putOnClipboard(HWND owner, UINT format, const void* data, std::size_t size);
