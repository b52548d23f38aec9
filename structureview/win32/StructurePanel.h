#pragma once
// The Structure window's parts, shared by its window, its list and its
// definition choice: the controls and the core's view of the tree.
#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "structureview/DefinitionCatalogue.h"
#include "structureview/StructureView.h"

struct StructurePanel {
    HWND window = nullptr;
    HWND definitionLabel = nullptr;
    HWND definitionBox = nullptr; // "(none)", the definitions, "Browse..."
    HWND list = nullptr;
    HWND colourBox = nullptr;
    HWND statusLine = nullptr;
    HFONT font = nullptr;
    std::unique_ptr<StructureView> view;
    std::vector<CatalogueEntry> definitions; // as the drop-down list offers them
    structure::LoadOptions loadOptions;      // the folders looked in serve imports too
    std::wstring documentSeen;               // the document's name the choice was made for
    bool followingCursor = false;            // a row selected for the cursor is not the user's choice
};

extern StructurePanel structurePanel;
extern const structure::StandardDefinitionFiles structureDefinitionFiles;

// The list's columns.
enum StructureColumn : int { nameColumn, valueColumn, offsetColumn, sizeColumn, typeColumn, structureColumnCount };

// Posted to the window when the rows must be counted again.
constexpr UINT structureRecountMessage = WM_APP + 1;

// --- the list (StructureList.cpp) ---
void createStructureList(HWND window);
// The window is going: the row kept for drawing goes before the tree it came from.
void dropStructureList();
// The rows are counted and drawn afresh: the tree changed.
void showStructureRows();
// A row selected in the list for the editor's cursor, in view, without moving the keyboard.
void selectStructureRow(std::size_t row);
// The same, the rows counted again first when opening its parents added some.
void followStructureRow(std::size_t row);
LRESULT structureListNotify(const NMHDR& header);
// Enter in the list, through the dialog keys.
void structureListEnter();
// The context menu; its items come back to the window as commands.
void showStructureListMenu(LPARAM point);
void copyStructureValue();
void copyStructureJson();

// --- the definition chosen (DefinitionChoice.cpp) ---
void fillDefinitionBox();
// The document's extension calls for a definition: the user's choice for it, else the one naming it.
void chooseDefinitionForDocument();
// The user picked an item of the drop-down list.
void definitionPicked();
