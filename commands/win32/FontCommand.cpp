// Change Font through the common font picker, limited to fixed-pitch screen fonts.
#include "commands/win32/FontCommand.h"

#include <commdlg.h>

#include <cstring>

#include "editor/EditorCore.h"
#include "editor/FontSettings.h"
#include "editor/Settings.h"
#include "editor/win32/SettingsApply.h"

bool pickFont(HFONT& font, std::string& faceName, std::int32_t& height)
{
    EditorCore& core = editorCore;
    // The stored name is read bounded: one too long for the face-name field
    // starts the picker on the default face and stays stored until a choice.
    LOGFONTA description = logFontFor(core.storedFontDescription(settings::pickerFallbackFontSize));

    CHOOSEFONTA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = nullptr;
    choice.lpLogFont = &description;
    choice.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_FIXEDPITCHONLY;
    if (ChooseFontA(&choice) == FALSE) {
        return false;
    }
    font = CreateFontIndirectA(&description);
    faceName.assign(description.lfFaceName, strnlen(description.lfFaceName, LF_FACESIZE));
    height = description.lfHeight;
    return true;
}

bool changeFont()
{
    EditorCore& core = editorCore;
    HFONT font = nullptr;
    std::string faceName;
    std::int32_t height = 0;
    if (!pickFont(font, faceName, height)) {
        return false;
    }
    if (font == nullptr) {
        MessageBoxA(nullptr, ("The font \"" + faceName + "\" could not be made; the editor keeps its font.").c_str(),
                    "Error", MB_ICONERROR);
        return true;
    }
    core.replaceFont(font);
    core.writeSetting(settings::fontName, faceName.c_str());
    core.writeSetting(settings::fontSize, settings::decimalText(height).c_str());

    core.computeGeometry();
    // The picker has no owner: the editor window may have gone meanwhile.
    if (core.frameWindow != nullptr) {
        // The frame's own re-layout moves the frame and the panes to the new size.
        SendMessageA(core.frameWindow, WM_EXITSIZEMOVE, 0, 0);
        RedrawWindow(core.frameWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    return true;
}
