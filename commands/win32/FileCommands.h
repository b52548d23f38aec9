#pragma once
// The File commands: Open and Save As, and the frame's title that names the document.
#include <windows.h>

#include <string>

// "Nibblor - " and the document's path, as the frame's title shows it.
std::string frameTitle();

// Open (command 1): the Open dialog, then the document from its start. A
// cancel on an editor without a document abandons the editor (hosted) or
// ends the program (stand-alone).
void openFile(HWND frame);

// Save As (command 2): the Save dialog, and the failures it reports.
void saveFileAs(HWND frame);
