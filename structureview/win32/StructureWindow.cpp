// The Structure window itself: its controls laid out, shown and hidden, the
// check box and the drop-down list's commands, and the refresh after each
// change the editor shows. The list and the choice of definition are their
// own files.
#include "structureview/win32/StructureWindow.h"

#include <commctrl.h>

#include "editor/EditorCore.h"
#include "editor/Settings.h"
#include "editor/win32/SettingsStore.h"
#include "editor/win32/TextConversion.h"
#include "editor/win32/ToolWindows.h"
#include "commands/CommandIds.h"
#include "structure/win32/Win32TextConverter.h"
#include "structureview/win32/StructurePanel.h"
#include "commands/win32/ToolWindowFrame.h"

StructurePanel structurePanel;
const structure::StandardDefinitionFiles structureDefinitionFiles;

namespace {

constexpr int definitionBoxId = 100;
constexpr int colourBoxId = 101;
// Measures at 96 dots per inch, grown with the resolution.
constexpr int windowWidthAt96 = 560;
constexpr int windowHeightAt96 = 520;
constexpr int marginAt96 = 6;
constexpr int labelWidthAt96 = 62;
constexpr int rowHeightAt96 = 22;
constexpr int dropDownHeightAt96 = 300;

const structure::Win32TextConverter textConverter;

HWND createChild(HWND window, const wchar_t* className, const wchar_t* text, DWORD style, int id, DWORD exStyle = 0)
{
    return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), editorCore.instance, nullptr);
}

bool colourFieldsChosen()
{
    // On unless the user turned it off.
    return !settingStored(settings::structureColourFields) ||
           readFlagSetting(editorCore, settings::structureColourFields);
}

void createControls(HWND window)
{
    StructurePanel& panel = structurePanel;
    panel.definitionLabel = createChild(window, WC_STATICW, L"&Definition", SS_LEFT | SS_CENTERIMAGE, -1);
    panel.definitionBox = createChild(window, WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                      definitionBoxId);
    createStructureList(window);
    panel.colourBox = createChild(window, WC_BUTTONW, L"&Colour fields", WS_TABSTOP | BS_AUTOCHECKBOX, colourBoxId);
    panel.statusLine = createChild(window, WC_STATICW, L"", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, -1);
    panel.font = createToolWindowFont();
    for (const HWND control : {panel.definitionLabel, panel.definitionBox, panel.list, panel.colourBox, panel.statusLine}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(panel.font), FALSE);
    }
    const bool colours = colourFieldsChosen();
    SendMessageW(panel.colourBox, BM_SETCHECK, colours ? BST_CHECKED : BST_UNCHECKED, 0);
    panel.view = std::make_unique<StructureView>(editorCore, textConverter, structureDefinitionFiles);
    panel.view->setColourFields(colours);
    fillDefinitionBox();
}

void layOut(HWND window)
{
    const StructurePanel& panel = structurePanel;
    RECT client{};
    GetClientRect(window, &client);
    const int margin = scaledToEditor(marginAt96);
    const int row = scaledToEditor(rowHeightAt96);
    const int label = scaledToEditor(labelWidthAt96);
    const int width = client.right - 2 * margin;
    MoveWindow(panel.definitionLabel, margin, margin, label, row, TRUE);
    // A drop-down list's height includes its open list.
    MoveWindow(panel.definitionBox, margin + label, margin, width - label, scaledToEditor(dropDownHeightAt96), TRUE);
    const int listTop = 2 * margin + row;
    const int footer = 2 * row + 2 * margin;
    MoveWindow(panel.list, margin, listTop, width, client.bottom - listTop - footer, TRUE);
    MoveWindow(panel.colourBox, margin, client.bottom - 2 * row - margin, width, row, TRUE);
    MoveWindow(panel.statusLine, margin, client.bottom - row - margin, width, row, TRUE);
}

void onCommand(HWND /*window*/, WPARAM wParam)
{
    StructurePanel& panel = structurePanel;
    switch (LOWORD(wParam)) {
    case definitionBoxId:
        if (HIWORD(wParam) == CBN_SELCHANGE) {
            definitionPicked();
        }
        break;
    case colourBoxId: {
        const bool on = SendMessageW(panel.colourBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
        writeFlagSetting(editorCore, settings::structureColourFields, on);
        panel.view->setColourFields(on);
        break;
    }
    case structureCopyValueCommand:
        copyStructureValue();
        break;
    case structureCopyJsonCommand:
        copyStructureJson();
        break;
    case IDOK: // Enter in the list, through the dialog keys
        if (GetFocus() == panel.list) {
            structureListEnter();
        }
        break;
    default:
        break;
    }
}

void createStructureWindow(HWND window)
{
    structurePanel.window = window;
    createControls(window);
}

void structureDestroyed()
{
    dropStructureList();
    if (structurePanel.font != nullptr) {
        DeleteObject(structurePanel.font);
    }
    structurePanel = StructurePanel{}; // the view goes, and with it the panes' tints
}

const ToolWindowKind structureKind = {structureClassName, structureCaption, settings::structurePlace, structureCommand,
                                      windowWidthAt96, windowHeightAt96, createStructureWindow, layOut,
                                      structureListNotify, onCommand, structureDestroyed};

LRESULT CALLBACK structureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == structurePanel.list) {
        showStructureListMenu(lParam);
        return 0;
    }
    if (message == structureRecountMessage) {
        showStructureRows();
        return 0;
    }
    return toolWindowMessage(structureKind, window, message, wParam, lParam);
}

} // namespace

bool structureShown()
{
    return structurePanel.window != nullptr && IsWindowVisible(structurePanel.window) != FALSE;
}

void showStructure(HWND frame, bool shown)
{
    StructurePanel& panel = structurePanel;
    if (!shown) {
        if (panel.window != nullptr) {
            hideToolWindow(structureKind, panel.window);
            panel.view->setShown(false);
        }
        return;
    }
    if (panel.window == nullptr) {
        bool remembered = false;
        if (createToolWindow(structureKind, structureProc, frame, remembered) == nullptr) {
            return;
        }
    }
    ShowWindow(panel.window, SW_SHOWNOACTIVATE);
    panel.view->setShown(true);
    refreshStructure();
}

void refreshStructure()
{
    StructurePanel& panel = structurePanel;
    if (!structureShown()) {
        return;
    }
    if (panel.documentSeen != editorCore.files.documentName()) {
        chooseDefinitionForDocument();
    } else if (panel.view->followDocument()) {
        showStructureRows();
    }
    if (const auto row = panel.view->followCursor()) {
        followStructureRow(*row);
    }
}

void dropStructure()
{
    if (structurePanel.window != nullptr) {
        DestroyWindow(structurePanel.window);
    }
}
