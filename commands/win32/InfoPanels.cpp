// The View menu's inspector and status bar commands, and one refresh for both
// after any change: the core draws every change it makes through the surface,
// which asks for it, so no edit or move can leave them behind.
#include "commands/win32/InfoPanels.h"

#include "commands/win32/InspectorWindow.h"
#include "commands/win32/MenuBar.h"
#include "commands/win32/StatusBar.h"
#include "editor/EditorCore.h"
#include "editor/Settings.h"
#include "editor/win32/SettingsStore.h"

void toggleInspector(HWND frame)
{
    const bool shown = !inspectorShown();
    showInspector(frame, shown);
    writeFlagSetting(editorCore, settings::inspectorShown, inspectorShown());
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
    showMenuStates();
}

void dropInfoPanels()
{
    dropInspector();
    dropStatusBar();
}

void requestInfoRefresh()
{
    HWND frame = editorCore.frameWindow;
    MSG waiting;
    // One refresh waiting in the queue serves every change before it.
    if (frame == nullptr ||
        PeekMessageW(&waiting, frame, refreshInfoMessage, refreshInfoMessage, PM_NOREMOVE | PM_NOYIELD) != FALSE) {
        return;
    }
    PostMessageW(frame, refreshInfoMessage, 0, 0);
}

void refreshInfoPanels()
{
    refreshInspector();
    refreshStatusBar();
}
