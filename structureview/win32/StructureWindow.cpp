// The Structure window itself: its controls laid out, shown and hidden, the
// check box and the drop-down list's commands, and the refresh after each
// change the editor shows. The list and the choice of definition are their
// own files.
#include "structureview/win32/StructureWindow.h"

#include <commctrl.h>

#include "editor/EditorCore.h"
#include "editor/Settings.h"
#include "editor/win32/ModelessWindows.h"
#include "editor/win32/SettingsStore.h"
#include "editor/win32/TextConversion.h"
#include "editor/win32/ToolWindows.h"
#include "commands/CommandIds.h"
#include "structure/win32/Win32TextConverter.h"
#include "structureview/win32/StructurePanel.h"
#include "commands/win32/ValueEditBox.h"

StructurePanel structurePanel;

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
const structure::StandardDefinitionFiles definitionFiles;

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
    panel.view = std::make_unique<StructureView>(editorCore, textConverter, definitionFiles);
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

void onCommand(HWND window, WPARAM wParam)
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
    case IDCANCEL: // Escape: back to the bytes
        returnToBytes();
        break;
    default:
        DefWindowProcW(window, WM_COMMAND, wParam, 0);
        break;
    }
}

LRESULT CALLBACK structureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        structurePanel.window = window;
        createControls(window);
        addModelessWindow(window);
        return 0;
    case WM_SIZE:
        layOut(window);
        return 0;
    case WM_EXITSIZEMOVE:
        rememberToolPlace(window, settings::structurePlace);
        return 0;
    case WM_NOTIFY:
        return structureListNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) == structurePanel.list) {
            showStructureListMenu(lParam);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_COMMAND:
        onCommand(window, wParam);
        return 0;
    case structureRecountMessage:
        showStructureRows();
        return 0;
    case WM_CLOSE: // its close box hides it, as the View menu does
        if (editorCore.frameWindow != nullptr) {
            SendMessageW(editorCore.frameWindow, WM_COMMAND, structureCommand, 0);
        }
        return 0;
    case WM_DESTROY:
        endValueEdit();
        removeModelessWindow(window);
        if (structurePanel.font != nullptr) {
            DeleteObject(structurePanel.font);
        }
        structurePanel = StructurePanel{}; // the view goes, and with it the panes' tints
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void registerStructureClass()
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = structureProc;
    windowClass.hInstance = editorCore.instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = structureClassName;
    RegisterClassExW(&windowClass); // fails harmlessly once registered
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
            rememberToolPlace(panel.window, settings::structurePlace);
            endValueEdit();
            ShowWindow(panel.window, SW_HIDE);
            panel.view->setShown(false);
        }
        return;
    }
    if (panel.window == nullptr) {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        registerStructureClass();
        bool remembered = false;
        const RECT place = toolWindowPlace(frame, settings::structurePlace, scaledToEditor(windowWidthAt96),
                                           scaledToEditor(windowHeightAt96), remembered);
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT, structureClassName, structureCaption,
                        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, place.left, place.top,
                        place.right - place.left, place.bottom - place.top, GetAncestor(frame, GA_ROOT), nullptr,
                        editorCore.instance, nullptr);
        if (panel.window == nullptr) {
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
        showStructureRows(); // its parents may have opened
        selectStructureRow(*row);
    }
}

void dropStructure()
{
    if (structurePanel.window != nullptr) {
        DestroyWindow(structurePanel.window);
    }
}
