#pragma once
// The Open and Save common dialogs: they name a file, nothing more.
#include <windows.h>

#include "document/FileSteps.h"

// The Open dialog: false when cancelled (or when it failed). `readOnly` comes
// in as the dialog's read-only box starts and goes out as the user left it.
bool chooseFileToOpen(HWND owner, FilePath& chosen, bool& readOnly);

// The Open dialog without its read-only box, offering the files `filter`
// names first (pairs of a name and a pattern, double-zero terminated).
bool chooseFileOfType(HWND owner, const wchar_t* filter, FilePath& chosen);

// The Save dialog, offering `current` first: false when cancelled.
bool chooseFileToSave(HWND owner, const FilePath& current, FilePath& chosen);
