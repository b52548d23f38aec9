#include "editor/win32/LayoutFrame.h"

#include "document/Progress.h"
#include "editor/EditorCore.h"
#include "editor/win32/WindowPlacement.h"
#include "panes/win32/PaneObjects.h"

namespace {

// Pane handles left from an earlier, destroyed editor window are not touched:
// the frame's first layout runs before the new panes exist.
void placePane(const EditorCore& core, HWND frame, HWND pane, Pane which)
{
    if (pane == nullptr || GetParent(pane) != frame) {
        return;
    }
    const PaneRect place = core.layout.paneRect(which);
    MoveWindow(pane, place.x, place.y, place.width, place.height, TRUE);
}

} // namespace

void layoutFrame(EditorCore& core, HWND frame)
{
    core.computeGeometry();
    MoveWindow(frame, core.windowX, core.windowY, core.windowWidth, core.windowHeight, TRUE);
    placePane(core, frame, offsetPane.window, Pane::Offset);
    placePane(core, frame, hexPane.window, Pane::Hex);
    placePane(core, frame, asciiPane.window, Pane::Ascii);
    if (core.parentWindow != nullptr) {
        SendMessageA(core.parentWindow, WM_SIZE, 0, 0); // our size may have changed
    }
    core.focusActivePane();
}

void relayoutFrame(EditorCore& core, HWND frame)
{
    rememberFramePosition(frame);
    // Nothing a command would start begins while long work runs; nor does the layout.
    if (!LongWork::running()) {
        layoutFrame(core, frame);
    }
}
