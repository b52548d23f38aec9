// Registration, creation, painting and the data panes' shared input handling.
#include "panes/PaneClass.h"

#include <algorithm>

#include "commands/CommandIds.h"
#include "commands/ContextMenu.h"
#include "editor/WindowClass.h"
#include "panes/PaneObjects.h"

namespace {

int signedX(LPARAM point)
{
    return static_cast<short>(LOWORD(point));
}

int signedY(LPARAM point)
{
    return static_cast<short>(HIWORD(point));
}

bool isNavigationKey(WPARAM key)
{
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

HWND createPaneWindow(const char* className, const char* title, WNDPROC windowProc, Pane pane, HWND parent,
                      HINSTANCE instance)
{
    registerWindowClass(className, windowProc, instance, LoadIconA(nullptr, IDI_APPLICATION),
                        editorCore.backgroundBrush);

    const PaneRect place = editorCore.paneRect(pane);
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, className, title, WS_CHILD, place.x, place.y, place.width,
                                  place.height, parent, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

RowSpan rowSpan(std::int32_t row)
{
    const EditorCore& core = editorCore;
    const std::int32_t first = core.offsetAt(row, 0);
    const auto count = static_cast<int>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(core.buffer.size) - first, 0, core.bytesPerRow));
    return {first, count};
}

void drawRowText(HDC dc, int column, int screenRow, const std::string& text)
{
    const EditorCore& core = editorCore;
    TextOutA(dc, column * core.charWidth, screenRow * core.lineHeight, text.data(), static_cast<int>(text.size()));
}

void paintPane(HWND window, RowPainter drawRow, bool withSelection)
{
    EditorCore& core = editorCore;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SelectObject(dc, core.font);
    SetTextColor(dc, core.textColor);
    SetBkColor(dc, core.backgroundColor);
    for (std::int32_t row = core.firstVisibleRow; row < core.lastVisibleRow; ++row) {
        drawRow(row, dc, row - core.firstVisibleRow);
    }
    if (core.firstVisibleRow <= core.cursorRow && core.cursorRow < core.lastVisibleRow) {
        core.showCursorHere();
    }
    if (withSelection && core.hasSelection()) {
        core.highlightSelection();
    }
    EndPaint(window, &paint);
}

void sendToFrame(UINT message, WPARAM wParam)
{
    SendMessageA(editorCore.frameWindow, message, wParam, 0);
}

bool forwardClipboardChar(WPARAM character)
{
    switch (character) {
    case 0x18:
        sendToFrame(WM_COMMAND, cutCommand);
        return true;
    case 0x03:
        sendToFrame(WM_COMMAND, copyCommand);
        return true;
    case 0x16:
        sendToFrame(WM_COMMAND, pasteCommand);
        return true;
    default:
        return false;
    }
}

LRESULT dataPaneKeyDown(HWND window, WPARAM key, LPARAM lParam, void (*left)(), void (*right)())
{
    EditorCore& core = editorCore;
    if (isNavigationKey(key) && core.hasSelection()) {
        core.unhighlightSelection();
        core.selectionEndRow = -1;
        core.selectionEndColumn = -1;
    }
    switch (key) {
    case VK_PRIOR:
        sendToFrame(WM_VSCROLL, SB_PAGEUP);
        break;
    case VK_NEXT:
        sendToFrame(WM_VSCROLL, SB_PAGEDOWN);
        break;
    case VK_HOME:
        sendToFrame(WM_VSCROLL, SB_TOP);
        break;
    case VK_END:
        sendToFrame(WM_VSCROLL, SB_BOTTOM);
        break;
    case VK_UP:
        core.moveUp();
        break;
    case VK_DOWN:
        core.moveDown();
        break;
    case VK_LEFT:
        left();
        break;
    case VK_RIGHT:
        right();
        break;
    case VK_INSERT:
        sendToFrame(WM_COMMAND, insertCharsCommand);
        break;
    case VK_DELETE:
        // Without a selection the byte under the cursor stays.
        if (core.hasSelection()) {
            core.unhighlightSelection();
            core.deleteSelection();
            core.selectionEndRow = -1;
            core.selectionEndColumn = -1;
            InvalidateRect(core.frameWindow, nullptr, TRUE);
        }
        break;
    default:
        return DefWindowProcA(window, WM_KEYDOWN, key, lParam);
    }
    return 0;
}

ScreenCell paneCellAtPoint(LPARAM point, CellMapping mapping)
{
    return editorCore.cellAtPoint(signedX(point), signedY(point), mapping);
}

void placeCursorAt(ScreenCell cell)
{
    EditorCore& core = editorCore;
    core.cursorScreenRow = cell.row;
    core.cursorColumn = cell.column;
    const std::int64_t wanted =
        (static_cast<std::int64_t>(core.firstVisibleRow) + cell.row) * core.bytesPerRow + cell.column;
    core.cursorOffset = core.offsetAt(core.firstVisibleRow + cell.row, cell.column);
    core.cursorRow = core.rowOf(core.cursorOffset);
    if (core.cursorOffset < wanted) {
        // Past the last byte: the end position, not the clicked cell.
        std::int32_t row = 0;
        std::int32_t column = 0;
        core.rowAndColumnOf(core.cursorOffset, row, column);
        core.cursorScreenRow = row - core.firstVisibleRow;
        core.cursorColumn = column;
    }
}

void dragSelectionTo(ScreenCell cell)
{
    EditorCore& core = editorCore;
    if (cell.row == core.selectionEndRow && cell.column == core.selectionEndColumn) {
        return;
    }
    if (core.hasSelection()) {
        core.unhighlightSelection();
    }
    core.selectionEndRow = cell.row;
    core.selectionEndColumn = cell.column;
    core.highlightSelection();
}

void repaintPanesAfterClick(HWND first, HWND second, HWND third)
{
    InvalidateRect(first, nullptr, TRUE);
    InvalidateRect(second, nullptr, TRUE);
    InvalidateRect(third, nullptr, TRUE);
    UpdateWindow(offsetPane.window);
    UpdateWindow(hexPane.window);
    UpdateWindow(asciiPane.window);
}

void showPaneContextMenu(HWND window, LPARAM point)
{
    // The frame's client coordinates of the point: the pane's place in the
    // frame, client edges included.
    POINT where{signedX(point), signedY(point)};
    MapWindowPoints(window, editorCore.frameWindow, &where, 1);
    showContextMenu(editorCore.frameWindow, static_cast<int>(where.x), static_cast<int>(where.y));
}
