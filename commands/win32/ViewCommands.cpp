// Switching between the hex and octal views, and laying the frame and its
// panes out at the computed geometry.
#include "commands/win32/ViewCommands.h"

#include "commands/CommandIds.h"
#include "editor/EditorCore.h"
#include "editor/win32/WindowPlacement.h"
#include "panes/win32/PaneObjects.h"

namespace {

// Pane handles left from an earlier, destroyed editor window are not touched:
// the frame's first layout runs before the new panes exist.
void placePane(HWND frame, HWND pane, Pane which)
{
    if (pane == nullptr || GetParent(pane) != frame) {
        return;
    }
    const PaneRect place = editorCore.layout.paneRect(which);
    MoveWindow(pane, place.x, place.y, place.width, place.height, TRUE);
}

} // namespace

void checkViewMenu(int octal)
{
    CheckMenuItem(editorCore.viewMenu, hexViewCommand, octal != 0 ? MF_UNCHECKED : MF_CHECKED);
    CheckMenuItem(editorCore.viewMenu, octalViewCommand, octal != 0 ? MF_CHECKED : MF_UNCHECKED);
}

void switchView(HWND frame, int octal)
{
    EditorCore& core = editorCore;
    core.octalMode = octal;
    checkViewMenu(octal);
    core.computeGeometry();
    MoveWindow(frame, core.windowX, core.windowY, core.windowWidth, core.windowHeight, TRUE);
    placePane(frame, offsetPane.window, Pane::Offset);
    placePane(frame, hexPane.window, Pane::Hex);
    placePane(frame, asciiPane.window, Pane::Ascii);
    if (core.parentWindow != nullptr) {
        SendMessageA(core.parentWindow, WM_SIZE, 0, 0); // our size may have changed
    }
    core.focusActivePane();
}

void relayout(HWND frame)
{
    rememberFramePosition(frame);
    if (editorCore.octalMode == 0) {
        SendMessageA(frame, WM_COMMAND, hexViewCommand, 0);
    }
    if (editorCore.octalMode == 1) {
        SendMessageA(frame, WM_COMMAND, octalViewCommand, 0);
    }
}
