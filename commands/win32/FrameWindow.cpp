// The editor frame's window procedure: the scroll bar, moving and sizing, the
// menu bar and context menu commands, the close box, and the host's destroy
// command. Each command's work lives in its own file; this one only dispatches.
#include "commands/win32/FrameWindow.h"

#include <shellapi.h>

#include "commands/CommandIds.h"
#include "commands/win32/AboutDialog.h"
#include "commands/win32/ClipboardCommands.h"
#include "commands/win32/ChecksumsDialog.h"
#include "commands/win32/CompareCommands.h"
#include "commands/win32/ColorsDialog.h"
#include "commands/win32/EditCommands.h"
#include "commands/win32/FileCommands.h"
#include "commands/win32/FindDialog.h"
#include "commands/win32/FontCommand.h"
#include "commands/win32/GoToDialog.h"
#include "commands/win32/InfoPanels.h"
#include "commands/win32/InsertDialog.h"
#include "commands/win32/ReplaceDialog.h"
#include "commands/win32/StatusBar.h"
#include "commands/win32/UndoCommands.h"
#include "commands/win32/ViewCommands.h"
#include "editor/EditorCore.h"
#include "editor/ScrollBar.h"
#include "editor/win32/LayoutFrame.h"
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

LRESULT runCommand(HWND frame, WPARAM wParam, LPARAM lParam)
{
    EditorCore& core = editorCore;
    const WORD command = LOWORD(wParam);
    if (command >= firstRecentFileCommand && command < firstRecentFileCommand + recentFileCount) {
        openRecentFile(frame, command - firstRecentFileCommand);
        return 0;
    }
    switch (command) {
    case openCommand:
        openFile(frame, false);
        break;
    case openReadOnlyCommand:
        openFile(frame, true);
        break;
    case saveAsCommand:
        saveFileAs(frame);
        break;
    case saveCommand:
        saveFile(frame);
        break;
    case exitCommand:
        exitEditor(frame);
        break;
    case aboutCommand:
        runAboutDialog(core.instance, frame);
        core.focusActivePane();
        break;
    case findCommand:
        runFind(frame);
        break;
    case cutCommand:
        cutSelection(frame);
        break;
    case copyCommand:
        copySelection(frame);
        break;
    case pasteCommand:
        pasteClipboard(frame);
        break;
    case insertCharsCommand:
        insertCharacters(frame);
        break;
    case undoCommand:
        undoChange();
        break;
    case redoCommand:
        redoChange();
        break;
    case changeFontCommand:
        if (!changeFont()) {
            return DefWindowProcW(frame, WM_COMMAND, wParam, lParam); // the picker was cancelled
        }
        break;
    case changeColorsCommand:
        changeColors(core.instance, frame);
        break;
    case goToOffsetCommand:
        goToOffset(frame);
        break;
    case findNextCommand:
        repeatSearch(frame, false);
        break;
    case findPreviousCommand:
        repeatSearch(frame, true);
        break;
    case replaceCommand:
        openReplaceDialog(frame);
        break;
    case hexViewCommand:
        switchView(frame, 0);
        break;
    case octalViewCommand:
        switchView(frame, 1);
        break;
    case inspectorCommand:
        toggleInspector(frame);
        break;
    case insertModeCommand:
        toggleInsertMode();
        break;
    case fillCommand:
        fillSelectionFromDialog(frame);
        break;
    case toggleBookmarkCommand:
        core.toggleBookmark();
        break;
    case nextBookmarkCommand:
        core.nextBookmark();
        break;
    case previousBookmarkCommand:
        core.previousBookmark();
        break;
    case clearBookmarksCommand:
        core.clearBookmarks();
        break;
    case copyAsCArrayCommand:
    case copyAsPythonCommand:
    case copyAsBase64Command:
    case copyAsHexDumpCommand:
        copySelectionAs(frame, static_cast<Command>(command));
        break;
    case compareWithCommand:
        compareWithFile(frame);
        break;
    case nextDifferenceCommand:
    case previousDifferenceCommand:
        stepToDifference(frame, command == nextDifferenceCommand);
        break;
    case stopComparingCommand:
        stopComparingFiles(frame);
        break;
    case checksumsCommand:
        showChecksums(frame);
        break;
    case statusBarCommand:
        toggleStatusBar(frame);
        break;
    case destroyCommand:
        DestroyWindow(core.frameWindow);
        core.frameWindow = nullptr;
        break;
    default:
        break;
    }
    return 0;
}

void onCreate(HWND frame)
{
    EditorCore& core = editorCore;
    // The window is ours from its first message on; create stores the same
    // handle once CreateWindowExA returns, and the scroll bar needs it now.
    core.frameWindow = frame;
    syncScrollBar(core, core.firstVisibleRow);
    checkViewMenu(core.octalMode);
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
        return runCommand(window, wParam, lParam);
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
    case WM_INITMENUPOPUP:
        updateFileMenu(reinterpret_cast<HMENU>(wParam));
        updateEditMenu(reinterpret_cast<HMENU>(wParam));
        updateCompareItems(reinterpret_cast<HMENU>(wParam));
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
