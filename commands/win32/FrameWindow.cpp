// The editor frame's window procedure: the scroll bar, moving and sizing, the
// commands of the menus, keys and host, and the close box. The command table
// runs each command; this file only decodes the messages.
#include "commands/win32/FrameWindow.h"

#include <shellapi.h>

#include "commands/CommandTable.h"
#include "commands/win32/FileCommands.h"
#include "commands/win32/FontCommand.h"
#include "commands/win32/InfoPanels.h"
#include "commands/win32/MenuBar.h"
#include "commands/win32/ReplaceDialog.h"
#include "commands/win32/StatusBar.h"
#include "commands/win32/ViewCommands.h"
#include "commands/win32/Win32CommandShell.h"
#include "editor/EditorCore.h"
#include "editor/ScrollBar.h"
#include "editor/win32/LayoutFrame.h"
#include "view/Bookmarking.h"
#include "view/Scrolling.h"

namespace {

constexpr UINT defaultWheelLines = 3;

// The scroll bar's thumb position during a drag, in its full 32 bits.
int thumbTrackPosition(HWND frame, WPARAM wParam)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    if (GetScrollInfo(frame, SB_VERT, &info) == FALSE) {
        return HIWORD(wParam);
    }
    return info.nTrackPos;
}

void onVerticalScroll(HWND frame, WPARAM wParam)
{
    const WORD request = LOWORD(wParam);
    if (request <= SB_BOTTOM) {
        const int thumb = request == SB_THUMBTRACK ? thumbTrackPosition(frame, wParam) : 0;
        if (!scroll(editorCore, static_cast<ScrollRequest>(request), thumb)) {
            return; // at the document's ends: nothing changes
        }
    }
    editorCore.focusActivePane();
}

// The wheel scrolls as many rows a notch as the system is set to, a page
// where it is set to pages.
void onMouseWheel(WPARAM wParam)
{
    UINT lines = 0;
    if (SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0) == FALSE) {
        lines = defaultWheelLines;
    }
    EditorCore& core = editorCore;
    const int linesPerNotch = lines == WHEEL_PAGESCROLL ? core.pageRows : static_cast<int>(lines);
    turnWheel(core, GET_WHEEL_DELTA_WPARAM(wParam), linesPerNotch);
}

// A menu item, a key's command or the host's: the command table runs it, and
// the menus show the states it left. A declined command gets the default handling.
LRESULT onCommand(HWND frame, WPARAM wParam, LPARAM lParam)
{
    if (!runCommand(editorCore, LOWORD(wParam))) {
        return DefWindowProcW(frame, WM_COMMAND, wParam, lParam);
    }
    if (editorCore.frameWindow != nullptr) { // not after the frame was taken down
        showMenuStates();
    }
    return 0;
}

void onCreate(HWND frame)
{
    EditorCore& core = editorCore;
    // The window is ours from its first message on; create stores the same
    // handle once CreateWindowExA returns, and the scroll bar needs it now.
    core.frameWindow = frame;
    core.shell.commands = &win32CommandShell();
    syncScrollBar(core, core.firstVisibleRow);
    showMenuStates();
}

void onDestroy(HWND frame)
{
    EditorCore& core = editorCore;
    dropInfoPanels();
    closeReplaceDialog();
    // The frame's own context goes with the frame; nothing draws through it.
    if (core.windowDC != nullptr) {
        ReleaseDC(frame, core.windowDC);
        core.windowDC = nullptr;
    }
    if (core.parentWindow == nullptr) {
        PostQuitMessage(0);
    } else {
        core.frameWindow = nullptr;
    }
}

// What long work's serving of messages must not let through: each would
// start other work on the document.
bool startsWork(UINT message)
{
    return message == WM_COMMAND || message == WM_CLOSE || message == WM_DROPFILES;
}

} // namespace

LRESULT CALLBACK frameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LongWork::running() && startsWork(message)) {
        if (message == WM_DROPFILES) {
            DragFinish(reinterpret_cast<HDROP>(wParam));
        }
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        onCreate(window);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        editorCore.focusActivePane();
        return 0;
    }
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED) {
            return 0; // an icon keeps its own size
        }
        placeStatusBar();
        relayoutFrame(editorCore, window);
        return 0;
    case WM_EXITSIZEMOVE:
        relayoutFrame(editorCore, window);
        return 0;
    case WM_DPICHANGED: // moved to a screen of another resolution, or the setting changed
        followDpiChange(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_VSCROLL:
        onVerticalScroll(window, wParam);
        return 0;
    case WM_MOUSEWHEEL: // the panes pass theirs on to their parent
        onMouseWheel(wParam);
        return 0;
    case WM_COMMAND:
        return onCommand(window, wParam, lParam);
    case WM_CLOSE:
        closeFrame(window);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            frameActivated(window);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_DROPFILES:
        openDroppedFile(window, reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_INITMENUPOPUP: // the selection, say, may have changed since
        showMenuStates();
        return 0;
    case refreshInfoMessage:
        refreshInfoPanels();
        return 0;
    case WM_DESTROY:
        onDestroy(window);
        return 0;
    default:
        // A Unicode window: its title may name any file.
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
