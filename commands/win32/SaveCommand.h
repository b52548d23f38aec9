#pragma once
// Save: the document written over its own file, and what every save ends with.
#include <windows.h>

// Save (command 14): the document to the file it came from, without a
// dialog; through Save As when it has no name. True once the file holds it.
bool saveFile(HWND frame);

// A write's outcome (saveDone, saveCannotCreate, saveShortWrite) told to the
// user when it failed; the document unmodified when it succeeded; the title
// and the keyboard put back either way. True when written.
bool finishSave(int outcome);
