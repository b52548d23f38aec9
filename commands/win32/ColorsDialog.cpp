// The Colours dialog: the "NibColorsDlg" template of the program's resources
// and the common colour picker.
#include "commands/win32/ColorsDialog.h"

#include <commdlg.h>

#include <algorithm>

#include "editor/ColorSettings.h"
#include "editor/EditorCore.h"
#include "editor/win32/DisplayObjects.h"
#include "editor/win32/MessageBoxes.h"
#include "resources/ResourceIds.h"

namespace {

// Room for the longest colour name.
constexpr int nameCapacity = 32;

void listColorNames(HWND dialog)
{
    const HWND list = GetDlgItem(dialog, colorsList);
    for (const char* name : settings::colorNames) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    SetFocus(list);
}

// The colour field of the selected entry; null when none is selected.
ColorRef* selectedColor(HWND dialog)
{
    const HWND list = GetDlgItem(dialog, colorsList);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR || SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) >= nameCapacity) {
        return nullptr;
    }
    char name[nameCapacity] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name));
    return settings::colorField(editorCore, name);
}

// "&Set" or a double-click: the selected colour through the picker. It shows
// at the next repaint; a new background also goes into the window classes.
void setSelectedColor(HWND dialog)
{
    EditorCore& core = editorCore;
    ColorRef* field = selectedColor(dialog);
    if (field == nullptr) {
        return;
    }
    const COLORREF chosen = pickColor(dialog, *field);
    if (chosen == CLR_INVALID) {
        return;
    }
    if (field == &core.backgroundColor && !replaceBackgroundBrush(core, chosen)) {
        showMessage("The background brush could not be made; the background stays as it was.", "Error",
                    MB_ICONERROR);
        return;
    }
    *field = chosen;
}

// "&Done": the dialog ends, every colour are stored, the editor repaints.
void storeColorsAndClose(HWND dialog)
{
    EditorCore& core = editorCore;
    EndDialog(dialog, 0);
    for (const char* name : settings::colorNames) {
        core.writeSetting(name, settings::colorText(*settings::colorField(core, name)).c_str());
    }
    if (core.frameWindow != nullptr) {
        // The panes with the frame: they paint the colours.
        RedrawWindow(core.frameWindow, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

void onCommand(HWND dialog, WPARAM wParam)
{
    const int control = LOWORD(wParam);
    const bool listDoubleClick = control == colorsList && HIWORD(wParam) == LBN_DBLCLK;
    if (control == colorsSetButton || listDoubleClick) {
        setSelectedColor(dialog);
    } else if (control == colorsDoneButton) {
        storeColorsAndClose(dialog);
    }
    // Anything else, IDOK from Enter and IDCANCEL from Escape among it, is ignored.
}

} // namespace

INT_PTR CALLBACK colorsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    switch (message) {
    case WM_INITDIALOG:
        listColorNames(dialog);
        // FALSE keeps the keyboard on the list rather than on the first tab stop.
        return FALSE;
    case WM_COMMAND:
        onCommand(dialog, wParam);
        return TRUE;
    default:
        return FALSE;
    }
}

COLORREF pickColor(HWND owner, COLORREF initial)
{
    // A palette for this pick only.
    const auto palette = settings::customColors(editorCore);
    COLORREF customColors[settings::customColorCount];
    std::copy(palette.begin(), palette.end(), customColors);

    CHOOSECOLORA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.rgbResult = initial;
    choice.lpCustColors = customColors;
    choice.Flags = CC_RGBINIT | CC_FULLOPEN;
    return ChooseColorA(&choice) != FALSE ? choice.rgbResult : CLR_INVALID;
}

void changeColors(HINSTANCE instance, HWND frame)
{
    DialogBoxParamA(instance, colorsDialogTemplate, frame, colorsDialogProc, 0);
}
