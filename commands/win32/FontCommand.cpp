// Change Font through the common font picker, limited to fixed-pitch screen
// fonts of the sizes whose frame fits the screen; and the font made again for
// a screen of another resolution.
#include "commands/win32/FontCommand.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "editor/DisplayScale.h"
#include "editor/EditorCore.h"
#include "editor/FontFit.h"
#include "editor/FontSettings.h"
#include "editor/Settings.h"
#include "editor/win32/DisplayDpi.h"
#include "editor/win32/DisplayObjects.h"
#include "editor/win32/LayoutFrame.h"
#include "editor/win32/MessageBoxes.h"
#include "editor/win32/SettingsApply.h"

namespace {

// The sizes, in points, the picker may offer: up to characters four inches
// tall, which no screen fits 25 rows of.
constexpr SizeRange pickerSizes{1, 288};
constexpr int tenthsPerPoint = 10;

// The editor's height for a height the picker gave at pickerDpi, through the
// stored 96-DPI value, so that it is the height the settings make again.
std::int32_t editorHeight(std::int32_t pickerHeight, int pickerDpi)
{
    const std::int32_t stored = display::scaleLength(pickerHeight, pickerDpi, display::referenceDpi);
    return display::scaleLength(stored, display::referenceDpi, editorCore.layout.dpi());
}

// The work area of the monitor the frame is on: the frame must fit in it.
FrameSize workArea()
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(editorCore.frameWindow, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return {monitor.rcWork.right - monitor.rcWork.left, monitor.rcWork.bottom - monitor.rcWork.top};
}

FrameSize frameSizeWith(HFONT font)
{
    return editorCore.layout.frameSizeFor(measureFont(font), frameMetricsAt(editorCore.layout.dpi()));
}

// The largest size of the face whose frame still fits the work area.
int largestFittingPoints(const LOGFONTA& face, int pickerDpi)
{
    LOGFONTA trial = face;
    const auto measure = [&trial, pickerDpi](int points) {
        trial.lfHeight = editorHeight(display::characterHeightForPoints(points, pickerDpi), pickerDpi);
        const HFONT font = CreateFontIndirectA(&trial);
        const FontMetrics metrics = measureFont(font);
        DeleteObject(font);
        return metrics;
    };
    return largestFittingSize(editorCore, pickerSizes, frameMetricsAt(editorCore.layout.dpi()), workArea(), measure);
}

// The font in use everywhere, the frame and the panes laid out for it.
void useFont(HFONT font)
{
    EditorCore& core = editorCore;
    replaceFont(core, font);
    core.computeGeometry();
    // The picker has no owner: the editor window may have gone meanwhile.
    if (core.frameWindow != nullptr) {
        relayoutFrame(core, core.frameWindow);
        RedrawWindow(core.frameWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

} // namespace

bool pickFont(FontChoice& chosen)
{
    EditorCore& core = editorCore;
    // The picker turns points into pixels at the system's resolution; the
    // stored height is at 96.
    const int pickerDpi = systemDpi();
    // The stored name is read bounded: one too long for the face-name field
    // starts the picker on the default face and stays stored until a choice.
    FontDescription stored = storedFontDescription(core, settings::pickerFallbackFontSize);
    stored.height = display::scaleLength(stored.height, display::referenceDpi, pickerDpi);
    LOGFONTA description = logFontFor(stored);

    CHOOSEFONTA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = nullptr;
    choice.lpLogFont = &description;
    choice.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_FIXEDPITCHONLY | CF_LIMITSIZE;
    choice.nSizeMin = pickerSizes.smallest;
    choice.nSizeMax = std::max(largestFittingPoints(description, pickerDpi), pickerSizes.smallest);
    if (ChooseFontA(&choice) == FALSE) {
        return false;
    }
    chosen.faceName.assign(description.lfFaceName, strnlen(description.lfFaceName, LF_FACESIZE));
    chosen.height = display::scaleLength(description.lfHeight, pickerDpi, display::referenceDpi);
    chosen.points = choice.iPointSize / tenthsPerPoint;
    description.lfHeight = editorHeight(description.lfHeight, pickerDpi);
    chosen.font = CreateFontIndirectA(&description);
    return true;
}

bool changeFont()
{
    EditorCore& core = editorCore;
    FontChoice chosen;
    if (!pickFont(chosen)) {
        return false;
    }
    if (chosen.font == nullptr) {
        showMessage(("The font \"" + chosen.faceName + "\" could not be made; the editor keeps its font.").c_str(),
                    "Error", MB_ICONERROR);
        return true;
    }
    // Another face may be wider at the size the picker allowed for this one.
    const FrameSize frame = frameSizeWith(chosen.font);
    const FrameSize room = workArea();
    if (!frameFits(frame, room)) {
        DeleteObject(chosen.font);
        showMessage("\"" + chosen.faceName + "\" at " + std::to_string(chosen.points) +
                        " points would make the editor's window " + std::to_string(frame.width) + " x " +
                        std::to_string(frame.height) + " pixels, larger than the screen's " +
                        std::to_string(room.width) + " x " + std::to_string(room.height) +
                        ".\nThe editor keeps its font; choose a smaller size.",
                    "Font Too Large", MB_ICONWARNING);
        return true;
    }
    core.writeSetting(settings::fontName, chosen.faceName.c_str());
    core.writeSetting(settings::fontSize, settings::decimalText(chosen.height).c_str());
    useFont(chosen.font);
    return true;
}

void followDpiChange(HWND frame, int dpi, const RECT& suggested)
{
    EditorCore& core = editorCore;
    core.layout.setDpi(dpi);
    // The suggested corner keeps the frame where the system put it; its size
    // always follows from the font.
    SetWindowPos(frame, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const HFONT font = createFontFromSettings(core);
    useFont(font != nullptr ? font : core.font);
}
