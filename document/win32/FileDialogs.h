#pragma once
// The Open and Save common dialogs that lead to loading and writing the document.
#include <windows.h>

#include "document/FileBuffer.h"

// What openWithDialog answers.
enum OpenOutcome : int {
    openChosen = 1,     // a file was chosen; its load was attempted
    openCancelled = -1, // cancelled, or the dialog failed; the path is emptied
};

// What saveWithDialog answers.
enum SaveOutcome : int {
    saveDone = 1,         // written, or the dialog was cancelled: nothing to report
    saveCannotCreate = 0, // the output file could not be created
    saveShortWrite = -1,  // the writing failed; a file that was there is left as it was
};

// Shows the Open dialog and loads the chosen file into the buffer.
int openWithDialog(FileBuffer& buffer, HWND owner);

// Shows the Save dialog, starting from the buffer's path, and writes the
// document to the chosen file, which becomes its path.
int saveWithDialog(FileBuffer& buffer, HWND owner);

// The two halves of it. The Save dialog: false when it is cancelled, and
// then the path stays; otherwise the chosen name is the path.
bool chooseSaveName(FileBuffer& buffer, HWND owner);
// Writes the document over the file its path names, safely: saveDone,
// saveCannotCreate or saveShortWrite.
int writeToPath(const FileBuffer& buffer);
