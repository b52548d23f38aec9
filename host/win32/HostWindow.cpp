// The test host's window procedure and menu.
#include "host/win32/HostWindow.h"

#include <cstdlib>

#include "commands/CommandIds.h"
#include "editor/EditorCore.h"
#include "editor/win32/WindowClass.h"

HINSTANCE hostInstance = nullptr;
HMENU hostMenuBar = nullptr;
HMENU hostMenu = nullptr;

namespace {

constexpr const char* documentName = "test.exe";

} // namespace

LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_COMMAND: {
        int result = -1;
        switch (wParam) { // the whole wParam is the item
        case createTopLevel:
            result = editorCore.create(window, WS_OVERLAPPEDWINDOW, 40, 40, hostInstance, documentName);
            break;
        case createChildWithTitle:
            result = editorCore.create(window, WS_CHILD | WS_OVERLAPPEDWINDOW, 30, 30, hostInstance, documentName);
            break;
        case createChildBare:
            result = editorCore.create(window, WS_CHILD, 20, 20, hostInstance, documentName);
            break;
        case moveRandomly: {
            const int r1 = std::rand();
            const int r2 = std::rand();
            editorCore.move(static_cast<int>(r1 / 32767.0 * 100), static_cast<int>(r2 / 32767.0 * 100));
            break;
        }
        case destroyEditor:
            SendMessageA(editorCore.frameWindow, WM_COMMAND, destroyCommand, 0);
            break;
        case exitHost:
            // Ends the loop; the windows go with the process.
            SendMessageA(window, WM_DESTROY, 0, 0);
            break;
        default:
            break;
        }
        if (result == 0) {
            MessageBoxA(nullptr, "Cannot create more than one Nibblor window.", "Error", MB_ICONERROR);
        }
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void buildHostMenu()
{
    hostMenuBar = CreateMenu();
    hostMenu = CreateMenu();
    AppendMenuA(hostMenuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(hostMenu), "&Nibblor");
    AppendMenuA(hostMenu, MF_STRING, createTopLevel, "Create Nibblor");
    AppendMenuA(hostMenu, MF_STRING, createChildWithTitle, "Create as child with title bar");
    AppendMenuA(hostMenu, MF_STRING, createChildBare, "Create as child without title bar");
    AppendMenuA(hostMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hostMenu, MF_STRING, moveRandomly, "&Move to a random location");
    AppendMenuA(hostMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hostMenu, MF_STRING, destroyEditor, "&Destroy last Nibblor window");
    AppendMenuA(hostMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hostMenu, MF_STRING, exitHost, "&Exit");
}

HWND createHostWindow(HINSTANCE instance)
{
    hostInstance = instance;
    buildHostMenu();

    registerWindowClass("test", hostWindowProc, instance, LoadIconA(nullptr, IDI_APPLICATION),
                        static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, "test", "Test", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 700, 500, nullptr, hostMenuBar, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}
