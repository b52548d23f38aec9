// The View menu's tool window and status bar commands, and one refresh for all
// after any change: the core draws every change it makes through the surface,
// which asks for it, so no edit or move can leave them behind.
#include "commands/win32/InfoPanels.h"

#include "commands/win32/InspectorWindow.h"
#include "commands/win32/MenuBar.h"
#include "commands/win32/StatusBar.h"
#include "editor/EditorCore.h"
#include "editor/Settings.h"
#include "editor/win32/SettingsStore.h"
#include "structureview/win32/StructureWindow.h"

namespace {

// Set on the frame while a refresh is posted and not yet made.
constexpr wchar_t refreshPostedProperty[] = L"NibblorRefreshPosted";

} // namespace

void toggleInspector(HWND frame)
{
    const bool shown = !inspectorShown();
    showInspector(frame, shown);
    writeFlagSetting(editorCore, settings::inspectorShown, inspectorShown());
}

void toggleStructure(HWND frame)
{
    showStructure(frame, !structureShown());
    writeFlagSetting(editorCore, settings::structureShown, structureShown());
}

void toggleStatusBar(HWND frame)
{
    showStatusBar(frame, !statusBarShown());
    writeFlagSetting(editorCore, settings::statusBarShown, statusBarShown());
    editorCore.focusActivePane();
}

void restoreInfoPanels(HWND frame)
{
    if (readFlagSetting(editorCore, settings::statusBarShown)) {
        showStatusBar(frame, true);
    }
    if (readFlagSetting(editorCore, settings::inspectorShown)) {
        showInspector(frame, true);
    }
    if (readFlagSetting(editorCore, settings::structureShown)) {
        showStructure(frame, true);
    }
    showMenuStates();
}

void dropInfoPanels()
{
    dropInspector();
    dropStructure();
    dropStatusBar();
    if (editorCore.frameWindow != nullptr) {
        RemovePropW(editorCore.frameWindow, refreshPostedProperty); // it goes with the frame
    }
}

void requestInfoRefresh()
{
    HWND frame = editorCore.frameWindow;
    // One refresh waiting in the queue serves every change before it. The
    // mark is the frame's own; peeking at the queue instead would answer
    // other programs' waiting messages in the middle of a change.
    if (frame == nullptr || GetPropW(frame, refreshPostedProperty) != nullptr) {
        return;
    }
    if (PostMessageW(frame, refreshInfoMessage, 0, 0) != FALSE) {
        SetPropW(frame, refreshPostedProperty, frame);
    }
}

void refreshInfoPanels()
{
    if (editorCore.frameWindow != nullptr) {
        RemovePropW(editorCore.frameWindow, refreshPostedProperty);
    }
    refreshInspector();
    refreshStructure();
    refreshStatusBar();
}
