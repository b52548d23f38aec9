// Registration, creation, painting and the data panes' message handling: each
// message is decoded here and handed to one operation of the editor core.
#include "panes/win32/PaneClass.h"

#include "commands/CommandTable.h"
#include "commands/win32/ContextMenu.h"
#include "editor/win32/WindowClass.h"
#include "panes/win32/PaneObjects.h"
#include "view/Cursor.h"
#include "view/Editing.h"
#include "view/PointerInput.h"
#include "view/RowText.h"
#include "view/Selection.h"

namespace {

constexpr WPARAM tabCharacter = 0x09;
constexpr WPARAM lastByteCharacter = 0xFF;

// Mouse message points carry signed coordinates: a drag may leave the pane.
int pointX(LPARAM point)
{
    return static_cast<short>(LOWORD(point));
}

int pointY(LPARAM point)
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

void sendToFrame(UINT message, WPARAM wParam)
{
    SendMessageA(editorCore.frameWindow, message, wParam, 0);
}

// A key or control character's command, Ctrl+C's Copy say, goes to the frame;
// false when it carries none.
bool forwardCommand(Command command)
{
    if (command == noCommand) {
        return false;
    }
    sendToFrame(WM_COMMAND, static_cast<WPARAM>(command));
    return true;
}

void onCharacter(Pane pane, WPARAM character)
{
    EditorCore& core = editorCore;
    if (character == tabCharacter) {
        switchActivePane(core, pane == Pane::Hex ? EditorCore::asciiPaneActive : EditorCore::hexPaneActive);
    } else if (!forwardCommand(commandForCharacter(static_cast<int>(character))) && character <= lastByteCharacter) {
        if (pane == Pane::Hex) {
            typeDigit(core, static_cast<char>(character));
        } else {
            typeCharacter(core, static_cast<unsigned char>(character));
        }
    }
}

bool keyHeld(int key)
{
    return GetKeyState(key) < 0;
}

// Shift with a move key: the selection's moving end, not the cursor.
bool extendSelectionByKey(WPARAM key)
{
    using Move = SelectionMove;
    if (!keyHeld(VK_SHIFT)) {
        return false;
    }
    Move move = Move::left;
    switch (key) {
    case VK_LEFT:
        move = Move::left;
        break;
    case VK_RIGHT:
        move = Move::right;
        break;
    case VK_UP:
        move = Move::up;
        break;
    case VK_DOWN:
        move = Move::down;
        break;
    case VK_PRIOR:
        move = Move::pageUp;
        break;
    case VK_NEXT:
        move = Move::pageDown;
        break;
    case VK_HOME:
        move = Move::home;
        break;
    case VK_END:
        move = Move::end;
        break;
    default:
        return false;
    }
    extendSelection(editorCore, move);
    return true;
}

LRESULT onKeyDown(Pane pane, HWND window, WPARAM key, LPARAM lParam)
{
    EditorCore& core = editorCore;
    const int code = static_cast<int>(key);
    if (forwardCommand(commandForKey(code, keyHeld(VK_CONTROL), keyHeld(VK_SHIFT))) || extendSelectionByKey(key)) {
        return 0;
    }
    if (isNavigationKey(key)) {
        unselect(core);
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
        if (pane == Pane::Hex) {
            moveLeftByDigit(core);
        } else {
            core.moveLeft();
        }
        break;
    case VK_RIGHT:
        if (pane == Pane::Hex) {
            moveRightByDigit(core);
        } else {
            core.moveRight();
        }
        break;
    case VK_DELETE:
        deleteAndUnselect(core);
        break;
    default:
        return DefWindowProcA(window, WM_KEYDOWN, key, lParam);
    }
    return 0;
}

// The context menu at a point of the pane's client area.
void showPaneContextMenu(HWND window, LPARAM point)
{
    // The frame's client coordinates of the point: the pane's place in the
    // frame, client edges included.
    POINT where{pointX(point), pointY(point)};
    MapWindowPoints(window, editorCore.frameWindow, &where, 1);
    showContextMenu(editorCore.frameWindow, static_cast<int>(where.x), static_cast<int>(where.y));
}

} // namespace

void createPaneWindow(HWND& window, const char* className, const char* title, WNDPROC windowProc, Pane pane,
                      HWND parent, HINSTANCE instance)
{
    registerWindowClass(className, windowProc, instance, LoadIconA(nullptr, IDI_APPLICATION),
                        editorCore.backgroundBrush);

    const PaneRect place = editorCore.layout.paneRect(pane);
    window = CreateWindowExA(WS_EX_CLIENTEDGE, className, title, WS_CHILD, place.x, place.y, place.width,
                             place.height, parent, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
}

void drawRowText(HDC dc, int column, int screenRow, const std::string& text, const std::vector<BackRun>& runs)
{
    const EditorCore& core = editorCore;
    for (const BackRun& run : runs) {
        SetBkColor(dc, run.color);
        TextOutA(dc, (column + run.first) * core.charWidth, screenRow * core.lineHeight,
                 text.data() + run.first, run.length);
    }
}

void paintPane(HWND window, Pane pane, RowPainter drawRow)
{
    EditorCore& core = editorCore;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SelectObject(dc, core.font);
    SetTextColor(dc, core.textColor);
    SetBkColor(dc, core.backgroundColor);
    const RowRange rows = paintedRows(core);
    for (std::int32_t row = rows.first; row < rows.end; ++row) {
        drawRow(row, dc, row - core.firstVisibleRow);
    }
    paintCursorAndSelection(core, pane);
    EndPaint(window, &paint);
}

LRESULT dataPaneMessage(Pane pane, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    EditorCore& core = editorCore;
    switch (message) {
    case WM_SETFOCUS:
        core.activePane = pane == Pane::Ascii ? EditorCore::asciiPaneActive : EditorCore::hexPaneActive;
        return 0;
    case WM_CHAR:
        onCharacter(pane, wParam);
        return 0;
    case WM_KEYDOWN:
        return onKeyDown(pane, window, wParam, lParam);
    case WM_LBUTTONDOWN:
        // With Shift the click moves the selection's far end; the cursor stays.
        if ((wParam & MK_SHIFT) != 0) {
            dragTo(core, pane, pointX(lParam), pointY(lParam));
        } else {
            clickAt(core, pane, pointX(lParam), pointY(lParam));
        }
        return 0;
    case WM_MOUSEMOVE:
        if (GetKeyState(VK_LBUTTON) < 0) {
            dragTo(core, pane, pointX(lParam), pointY(lParam));
        }
        return 0;
    case WM_RBUTTONDOWN:
        showPaneContextMenu(window, lParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
