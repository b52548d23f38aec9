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

namespace {

bool refreshPosted = false;

} // namespace

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
    refreshPosted = false; // it went with the frame
}

void requestInfoRefresh()
{
    if (refreshPosted || editorCore.frameWindow == nullptr) {
        return;
    }
    refreshPosted = PostMessageW(editorCore.frameWindow, refreshInfoMessage, 0, 0) != FALSE;
}

void refreshInfoPanels()
{
    refreshPosted = false;
    refreshInspector();
    refreshStatusBar();
}
