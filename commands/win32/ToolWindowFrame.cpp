#include "commands/win32/ToolWindowFrame.h"

#include <commctrl.h>

#include "commands/win32/ValueEditBox.h"
#include "editor/EditorCore.h"
#include "editor/win32/ModelessWindows.h"
#include "editor/win32/ToolWindows.h"

LRESULT toolWindowMessage(const ToolWindowKind& kind, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        kind.create(window);
        addModelessWindow(window);
        return 0;
    case WM_SIZE:
        kind.layOut(window);
        return 0;
    case WM_EXITSIZEMOVE:
        rememberToolPlace(window, kind.placeSetting);
        return 0;
    case WM_NOTIFY:
        return kind.notify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) { // Escape, through the dialog keys
            returnToBytes();
        } else {
            kind.command(window, wParam);
        }
        return 0;
    case WM_CLOSE:
        if (editorCore.frameWindow != nullptr) {
            SendMessageW(editorCore.frameWindow, WM_COMMAND, static_cast<WPARAM>(kind.toggleCommand), 0);
        }
        return 0;
    case WM_DESTROY:
        endValueEdit();
        removeModelessWindow(window);
        kind.destroyed();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND createToolWindow(const ToolWindowKind& kind, WNDPROC windowProc, HWND frame, bool& remembered)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = editorCore.instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kind.className;
    RegisterClassExW(&windowClass); // fails harmlessly once registered
    const RECT place = toolWindowPlace(frame, kind.placeSetting, scaledToEditor(kind.widthAt96),
                                       scaledToEditor(kind.heightAt96), remembered);
    return CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT, kind.className, kind.caption,
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, GetAncestor(frame, GA_ROOT), nullptr,
                           editorCore.instance, nullptr);
}

void hideToolWindow(const ToolWindowKind& kind, HWND window)
{
    rememberToolPlace(window, kind.placeSetting);
    endValueEdit();
    ShowWindow(window, SW_HIDE);
}
