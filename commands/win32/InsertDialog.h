#pragma once
// Insert chars: the Insert Characters dialog and the zero bytes it inserts.
#include <windows.h>

// Insert chars (command 9): asks for a count and inserts that many zero bytes
// at the cursor. A count the document cannot take is refused with a message.
void insertCharacters(HWND frame);
