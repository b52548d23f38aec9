#pragma once
// Find and Replace: a modeless dialog beside the editor that finds hex bytes
// (with "??" for any byte), ANSI text or UTF-16 text, either way, in the
// document or the selection, replaces one match or all, and lists them all.
#include <windows.h>

// Replace (command 23): the dialog opened, or brought forward when open.
void openReplaceDialog(HWND frame);
// The frame is going: the dialog goes with it.
void closeReplaceDialog();
