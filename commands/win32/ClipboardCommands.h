#pragma once
// Cut, Copy and Paste through the system clipboard, as CF_TEXT.
#include <windows.h>

#include <cstddef>

// Copy (command 7): the selection's text onto the clipboard, then no
// selection. A selection that cannot be put there stays, and the user is told.
void copySelection(HWND frame);

// Cut (command 6): Copy, then the selected bytes removed. When the copy fails
// the bytes stay: they would be lost.
void cutSelection(HWND frame);

// Paste (command 8): the clipboard's text written over the document from the
// cursor on, as the active pane reads it.
void pasteClipboard(HWND frame);

// Hands `size` bytes to the clipboard in the format, in place of what it held;
// false, the clipboard untouched or emptied, when no memory or no clipboard
// can be had.
bool putOnClipboard(HWND owner, UINT format, const void* data, std::size_t size);
