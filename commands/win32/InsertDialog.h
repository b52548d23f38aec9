#pragma once
// Insert chars: the Insert Characters dialog and the zero bytes it inserts.
#include <windows.h>

// The "NibInsertDlg" procedure. Only "&Ok" (result 1, the typed text left in
// the std::string given as the dialog's parameter) and "&Cancel" (result 0)
// close it; Enter and Escape do nothing.
INT_PTR CALLBACK insertDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Insert chars (command 9): asks for a count and inserts that many zero bytes
// at the cursor. A count the document cannot take is refused with a message.
void insertCharacters(HWND frame);
