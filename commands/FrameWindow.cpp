// The editor frame's window procedure: the scroll bar, moving and sizing, the
// menu bar and context menu commands, and the host's destroy command.
#include "commands/FrameWindow.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "commands/AboutDialog.h"
#include "commands/CommandIds.h"
#include "editor/EditorCore.h"
#include "panes/PaneObjects.h"

namespace {

constexpr UINT placementLength = 44; // the structure's size on every Windows version

void setTitleFromPath()
{
    SetWindowTextA(editorCore.frameWindow, frameTitle().c_str());
}

void invalidatePanes()
{
    InvalidateRect(offsetPane.window, nullptr, TRUE);
    InvalidateRect(hexPane.window, nullptr, TRUE);
    InvalidateRect(asciiPane.window, nullptr, TRUE);
}

// Pane handles left from an earlier, destroyed editor window are not touched:
// the frame's first layout runs before the new panes exist.
void placePane(HWND frame, HWND pane, Pane which)
{
    if (pane == nullptr || GetParent(pane) != frame) {
        return;
    }
    const PaneRect place = editorCore.paneRect(which);
    MoveWindow(pane, place.x, place.y, place.width, place.height, TRUE);
}

void checkViewMenu(int octal)
{
    CheckMenuItem(editorCore.viewMenu, hexViewCommand, octal != 0 ? MF_UNCHECKED : MF_CHECKED);
    CheckMenuItem(editorCore.viewMenu, octalViewCommand, octal != 0 ? MF_CHECKED : MF_UNCHECKED);
}

void openFile(HWND frame)
{
    EditorCore& core = editorCore;
    const int answer = core.buffer.openWithDialog(frame);
    // A size of -1 is the mark of an editor abandoned earlier: it holds no document either.
    if (answer == -1 && core.buffer.size <= 0) {
        if (core.parentWindow != nullptr) {
            SendMessageA(core.frameWindow, WM_COMMAND, destroyCommand, 0);
            core.buffer.size = -1;
            return;
        }
        std::exit(1);
    }
    setTitleFromPath();
    core.scrollToRow(0);
    core.cursorOffset = 0;
    core.cursorScreenRow = 0;
    core.cursorColumn = 0;
    core.digitIndex = 0;
    invalidatePanes();
    // Shown even when every row fits on one page.
    SetScrollRange(frame, SB_VERT, 0, std::min(core.buffer.rowCount, EditorCore::maxScrollPosition), TRUE);
    SetScrollPos(frame, SB_VERT, 0, TRUE);
    core.focusActivePane();
}

void saveFileAs(HWND frame)
{
    switch (editorCore.buffer.saveWithDialog(frame)) {
    case 0:
        MessageBoxA(nullptr, "Could not open file for output.", "Error", MB_ICONERROR);
        break;
    case -1:
        MessageBoxA(nullptr, "Error writing file.  File may be corrupt", "Error", MB_ICONERROR);
        break;
    default:
        break; // written, or cancelled
    }
    setTitleFromPath();
    editorCore.focusActivePane();
}

// The frame always takes the size computed from the font and the view.
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

// After the user moved or sized the frame: keep the new corner, snap back to
// the computed size.
void relayout(HWND frame)
{
    WINDOWPLACEMENT placement{};
    placement.length = placementLength;
    GetWindowPlacement(frame, &placement);
    editorCore.windowX = placement.rcNormalPosition.left;
    editorCore.windowY = placement.rcNormalPosition.top;
    if (editorCore.octalMode == 0) {
        SendMessageA(frame, WM_COMMAND, hexViewCommand, 0);
    }
    if (editorCore.octalMode == 1) {
        SendMessageA(frame, WM_COMMAND, octalViewCommand, 0);
    }
}

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

void scrollVertically(HWND frame, WPARAM wParam)
{
    EditorCore& core = editorCore;
    const std::int32_t rows = core.buffer.rowCount;
    int pos = GetScrollPos(frame, SB_VERT);
    bool viewMoved = false;
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        if (core.firstVisibleRow <= 0) {
            return;
        }
        --core.firstVisibleRow;
        --core.lastVisibleRow;
        pos = EditorCore::scrollPosForRow(core.firstVisibleRow, rows);
        viewMoved = true;
        break;
    case SB_LINEDOWN:
        if (core.lastVisibleRow >= rows) {
            return;
        }
        ++core.firstVisibleRow;
        ++core.lastVisibleRow;
        pos = EditorCore::scrollPosForRow(core.firstVisibleRow, rows);
        viewMoved = true;
        break;
    case SB_PAGEUP:
        // A whole page or nothing.
        if (core.firstVisibleRow - core.pageRows <= 0) {
            return;
        }
        core.firstVisibleRow -= core.pageRows;
        core.lastVisibleRow -= core.pageRows;
        pos = EditorCore::scrollPosForRow(core.firstVisibleRow, rows);
        viewMoved = true;
        break;
    case SB_PAGEDOWN:
        if (static_cast<std::int64_t>(core.lastVisibleRow) + core.pageRows >= rows) {
            return;
        }
        core.firstVisibleRow += core.pageRows;
        core.lastVisibleRow += core.pageRows;
        pos = EditorCore::scrollPosForRow(core.firstVisibleRow, rows);
        viewMoved = true;
        break;
    case SB_THUMBPOSITION:
        break;
    case SB_THUMBTRACK:
        pos = thumbTrackPosition(frame, wParam);
        core.firstVisibleRow = EditorCore::rowForScrollPos(pos, rows);
        core.lastVisibleRow = core.firstVisibleRow + core.pageRows;
        if (core.lastVisibleRow > rows) {
            core.lastVisibleRow = rows;
            core.firstVisibleRow = std::max(0, rows - core.pageRows);
        }
        viewMoved = true;
        break;
    case SB_TOP:
        pos = 0;
        core.firstVisibleRow = 0;
        core.lastVisibleRow = std::min(core.pageRows, rows);
        core.cursorRow = 0;
        core.cursorOffset = 0;
        core.cursorScreenRow = 0;
        core.cursorColumn = 0;
        core.digitIndex = 0;
        break;
    case SB_BOTTOM:
        pos = EditorCore::scrollPosForRow(rows, rows);
        core.lastVisibleRow = rows;
        core.firstVisibleRow = std::max(0, rows - core.pageRows);
        core.cursorRow = std::max(0, core.lastVisibleRow - 1);
        core.cursorOffset = std::max(0, core.buffer.size); // the end position
        core.cursorScreenRow = core.cursorRow - core.firstVisibleRow;
        core.cursorColumn = core.cursorOffset - core.bytesPerRow * core.cursorRow;
        core.digitIndex = 0;
        break;
    default:
        break;
    }
    if (viewMoved) {
        // The cursor stays on its byte and moves with it, off the screen if need be.
        core.cursorScreenRow = core.cursorRow - core.firstVisibleRow;
    }
    SetScrollPos(frame, SB_VERT, pos, TRUE);
    InvalidateRect(frame, nullptr, TRUE);
    core.focusActivePane();
}

void runCommand(HWND frame, int command)
{
    EditorCore& core = editorCore;
    switch (command) {
    case openCommand:
        openFile(frame);
        break;
    case saveAsCommand:
        saveFileAs(frame);
        break;
    case exitCommand:
        PostQuitMessage(0); // hosted or not: ends the program
        break;
    case aboutCommand:
        runAboutDialog(core.instance, frame);
        core.focusActivePane();
        break;
    case findCommand:
    case cutCommand:
    case copyCommand:
    case pasteCommand:
    case insertCharsCommand:
    case changeFontCommand:
    case changeColorsCommand:
        // These come with the clipboard, find, font and colour commands.
        break;
    case hexViewCommand:
        switchView(frame, 0);
        break;
    case octalViewCommand:
        switchView(frame, 1);
        break;
    case destroyCommand:
        DestroyWindow(core.frameWindow);
        core.frameWindow = nullptr;
        break;
    default:
        break;
    }
}

void onDestroy(HWND frame)
{
    EditorCore& core = editorCore;
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

} // namespace

std::string frameTitle()
{
    const FileBuffer& buffer = editorCore.buffer;
    return "Nibblor - " + std::string(buffer.path, strnlen(buffer.path, FileBuffer::pathCapacity));
}

LRESULT CALLBACK frameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        // frameWindow is not stored yet: work on the window given.
        editorCore.updateScrollRange(window);
        SetScrollPos(window, SB_VERT, 0, TRUE);
        checkViewMenu(editorCore.octalMode);
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
        relayout(window);
        return 0;
    case WM_EXITSIZEMOVE:
        relayout(window);
        return 0;
    case WM_VSCROLL:
        scrollVertically(window, wParam);
        return 0;
    case WM_COMMAND:
        runCommand(window, LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        onDestroy(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
