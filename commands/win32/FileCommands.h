#pragma once
// The File commands: Open and Save As, and the frame's title that names the document.
#include <windows.h>

#include <string>

// "Nibblor - " and the document's path, as the frame's title shows it, with
// " *" after it while the document has changes not saved.
std::string frameTitle();

// Puts frameTitle on the frame.
void showFrameTitle();

// Open (command 1): unsaved changes settled first, then the Open dialog, then
// the document from its start. A cancel on an editor without a document
// abandons the editor (hosted) or ends the program (stand-alone).
void openFile(HWND frame);

// Save As (command 2): the Save dialog, and the failures it reports. True
// once the chosen file holds the document.
bool saveFileAs(HWND frame);
