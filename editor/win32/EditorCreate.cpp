// Building an editor window on a file: the document, the settings, the brush,
// font and menus, the frame and its three panes.
#include <windows.h>

#include <cstring>
#include <string>

#include "commands/CommandIds.h"
#include "commands/win32/FileCommands.h"
#include "commands/win32/FrameWindow.h"
#include "document/win32/BusyCursor.h"
#include "editor/EditorCore.h"
#include "editor/win32/WindowClass.h"
#include "editor/win32/WindowPlacement.h"
#include "panes/win32/PaneObjects.h"
#include "resources/ResourceIds.h"
#include "view/win32/GdiSurface.h"

namespace {

constexpr const char* frameClassName = "Nibblor";

void showError(const std::string& text)
{
    MessageBoxA(nullptr, text.c_str(), "Error", MB_ICONERROR);
}

// Takes the path as the document's and loads the file; false, after telling
// the user why, when there is no document to show from it. A path too long to
// hold leaves the document nameless.
bool loadDocument(FileBuffer& buffer, const char* path)
{
    if (!buffer.setPath(path)) {
        buffer.path[0] = '\0';
        showError("The file name is too long (" + std::to_string(std::strlen(path)) + " characters; at most " +
                  std::to_string(FileBuffer::pathCapacity - 1) + " can be used):\n\"" + path + "\"");
        return false;
    }
    const BusyCursor busy(BusyCursor::fileSize(buffer.path));
    const int result = buffer.load(buffer.path);
    if (result != FileBuffer::loaded) {
        showError(FileBuffer::loadFailureText(buffer.path, result));
        return false;
    }
    return true;
}

// Whether the object already holds the document of this path: a new window
// over it keeps its changes and its history rather than reading the file again.
bool holdsDocument(const FileBuffer& buffer, const char* path)
{
    return buffer.data.held() && buffer.size >= 0 && std::strcmp(buffer.path, path) == 0;
}

void buildMenus(EditorCore& core)
{
    core.menuBar = CreateMenu();
    core.fileMenu = CreateMenu();
    core.editMenu = CreateMenu();
    core.viewMenu = CreateMenu();

    AppendMenuA(core.fileMenu, MF_STRING, openCommand, "&Open");
    AppendMenuA(core.fileMenu, MF_STRING, saveCommand, "&Save\tCtrl+S");
    AppendMenuA(core.fileMenu, MF_STRING, saveAsCommand, "Save &As");
    AppendMenuA(core.fileMenu, MF_STRING, exitCommand, "E&xit");

    AppendMenuA(core.editMenu, MF_STRING, copyCommand, "&Copy");
    AppendMenuA(core.editMenu, MF_STRING, cutCommand, "Cu&t");
    AppendMenuA(core.editMenu, MF_STRING, pasteCommand, "&Paste");
    AppendMenuA(core.editMenu, MF_STRING, insertCharsCommand, "&Insert chars");
    AppendMenuA(core.editMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(core.editMenu, MF_STRING, undoCommand, "&Undo\tCtrl+Z");
    AppendMenuA(core.editMenu, MF_STRING, redoCommand, "&Redo\tCtrl+Y");
    AppendMenuA(core.editMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(core.editMenu, MF_STRING, findNextCommand, "Find &next\tF3");
    AppendMenuA(core.editMenu, MF_STRING, goToOffsetCommand, "&Go to offset...\tCtrl+G");

    AppendMenuA(core.viewMenu, MF_STRING, hexViewCommand, "&Hex");
    AppendMenuA(core.viewMenu, MF_STRING, octalViewCommand, "&Octal");
    AppendMenuA(core.viewMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(core.viewMenu, MF_STRING, changeFontCommand, "Change &Font");
    AppendMenuA(core.viewMenu, MF_STRING, changeColorsCommand, "Change &Colors");

    AppendMenuA(core.menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(core.fileMenu), "&File");
    AppendMenuA(core.menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(core.editMenu), "&Edit");
    AppendMenuA(core.menuBar, MF_STRING, findCommand, "F&ind");
    AppendMenuA(core.menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(core.viewMenu), "&View");
    AppendMenuA(core.menuBar, MF_STRING, aboutCommand, "&About");
}

void registerFrameClass(HINSTANCE instance)
{
    registerWindowClass(frameClassName, frameWindowProc, instance, LoadIconA(instance, programIconName),
                        static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// The window classes outlive their windows and hold the brush they were
// registered with, or the one a colour change put there (the frame's too).
// With the earlier editor's windows gone they are registered afresh, so the
// brush they held can be released. False when a class stays.
bool unregisterEditorClasses(HINSTANCE instance)
{
    bool released = true;
    for (const char* name : {"__offset", "__hex", "__ascii", frameClassName}) {
        if (UnregisterClassA(name, instance) == FALSE && GetLastError() != ERROR_CLASS_DOES_NOT_EXIST) {
            released = false;
        }
    }
    return released;
}

} // namespace

int EditorCore::create(WindowHandle parent, std::uint32_t style, int x, int y, InstanceHandle moduleInstance,
                       const char* path)
{
    if (frameWindow != nullptr) {
        return 0;
    }
    surface = &gdiSurface();
    // The earlier window's panes went with its frame; the new ones come last.
    offsetPane.window = nullptr;
    hexPane.window = nullptr;
    asciiPane.window = nullptr;
    parentWindow = parent;
    windowStyle = style | styleVScroll;

    if (path == nullptr) {
        path = "";
    }
    bool haveFile = false;
    if (path[0] == '\0') {
        buffer.path[0] = '\0';
    } else if (holdsDocument(buffer, path)) {
        haveFile = true;
    } else {
        haveFile = loadDocument(buffer, path);
        documentLoaded();
        // A cursor left by an earlier, longer document would point past this one.
        if (cursorOffset > buffer.size) {
            setCursorOffset(0);
            digitIndex = 0;
            clearSelection();
        }
    }
    // The cursor stays on its byte, and the view shows it.
    showCursorFromTop();

    readColorSettings();
    if (backgroundBrush != nullptr && unregisterEditorClasses(instance)) {
        DeleteObject(backgroundBrush);
    }
    LOGBRUSH brush{BS_SOLID, backgroundColor, 0};
    backgroundBrush = CreateBrushIndirect(&brush);
    const HFONT oldFont = font;
    font = createFontFromSettings();
    if (oldFont != nullptr && oldFont != font) {
        DeleteObject(oldFont);
    }

    // A child frame's menu bar was never attached, so it outlived the frame.
    if (menuBar != nullptr && IsMenu(menuBar) != FALSE) {
        DestroyMenu(menuBar);
    }
    buildMenus(*this);
    registerFrameClass(moduleInstance);
    instance = moduleInstance;
    computeGeometry();

    frameWindow = CreateWindowExA(WS_EX_CLIENTEDGE, frameClassName, frameTitle().c_str(), windowStyle, x, y,
                                  windowWidth, windowHeight, parentWindow, menuBar, instance, nullptr);
    if (frameWindow == nullptr) {
        // A child style without a parent, say: nothing was made.
        showError("The Nibblor window could not be created.");
        return 2;
    }

    if (!haveFile) {
        SendMessageA(frameWindow, WM_COMMAND, openCommand, 0);
        if (buffer.size == -1 || frameWindow == nullptr) {
            return 2; // cancelled: the frame is gone again
        }
    }

    ShowWindow(frameWindow, SW_SHOWNORMAL);
    windowDC = GetDC(frameWindow);
    SelectObject(windowDC, font);
    SelectObject(windowDC, backgroundBrush);
    UpdateWindow(frameWindow);

    rememberFramePosition(frameWindow);

    offsetPane.create(frameWindow, instance);
    hexPane.create(frameWindow, instance);
    asciiPane.create(frameWindow, instance);

    ShowWindow(offsetPane.window, SW_SHOWNORMAL);
    ShowWindow(hexPane.window, SW_SHOWNORMAL);
    ShowWindow(asciiPane.window, SW_SHOWNORMAL);
    UpdateWindow(offsetPane.window);
    UpdateWindow(hexPane.window);
    UpdateWindow(asciiPane.window);

    focusActivePane();
    return 1;
}
