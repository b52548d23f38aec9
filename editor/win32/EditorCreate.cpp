// Building an editor window on a file: the document, the settings, the brush,
// font and menus, the frame and its three panes.
#include <windows.h>

#include <string>

#include "commands/CommandIds.h"
#include "editor/win32/EditorCreate.h"

#include "editor/EditorCore.h"
#include "editor/win32/DisplayDpi.h"
#include "editor/win32/FrameParts.h"
#include "editor/win32/GlobalClipboard.h"
#include "editor/win32/MessageBoxes.h"
#include "editor/win32/SettingsApply.h"
#include "editor/win32/TextConversion.h"
#include "editor/win32/WindowClass.h"
#include "editor/win32/WindowPlacement.h"
#include "panes/win32/PaneObjects.h"
#include "resources/ResourceIds.h"
#include "view/Scrolling.h"
#include "view/win32/GdiSurface.h"

namespace {

constexpr const char* frameClassName = "Nibblor";

constexpr wchar_t frameClassNameWide[] = L"Nibblor";

void showError(const std::string& text)
{
    MessageBoxA(nullptr, text.c_str(), "Error", MB_ICONERROR);
}

// Whether the object already holds the document of this path: a new window
// over it keeps its changes and its history rather than reading the file again.
bool holdsDocument(const FileBuffer& buffer, const FilePath& path)
{
    return buffer.holdsBlock() && buffer.size >= 0 && buffer.name.absolute == absolutePath(path);
}

// The host names its file in the system's ANSI code page.
FilePath fromAnsi(const char* name)
{
    return name == nullptr ? FilePath() : FilePath(wideText(name, CP_ACP));
}

// A Unicode class: the title may name a file in any script.
void registerFrameClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = frameWindowProcedure();
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, programIconName);
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = frameClassNameWide;
    RegisterClassExW(&windowClass);
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
    return createOn(*this, parent, style, x, y, moduleInstance, fromAnsi(path), false);
}

int createOn(EditorCore& core, WindowHandle parent, std::uint32_t style, int x, int y, InstanceHandle moduleInstance,
             const FilePath& path, bool offerToCreate)
{
    if (core.frameWindow != nullptr) {
        return 0;
    }
    core.shell.surface = &gdiSurface();
    core.shell.prompts = &win32Prompts();
    core.shell.files = &frameFileShell();
    core.shell.clipboard = &win32Clipboard();
    // The earlier window's panes went with its frame; the new ones come last.
    offsetPane.window = nullptr;
    hexPane.window = nullptr;
    asciiPane.window = nullptr;
    core.parentWindow = parent;
    core.windowStyle = style | EditorCore::styleVScroll;

    readColorSettings(core);
    if (core.backgroundBrush != nullptr && unregisterEditorClasses(core.instance)) {
        DeleteObject(core.backgroundBrush);
    }
    LOGBRUSH brush{BS_SOLID, core.backgroundColor, 0};
    core.backgroundBrush = CreateBrushIndirect(&brush);
    const HFONT oldFont = core.font;
    // Made for the screen the frame goes on: its parent's, else the system's.
    core.layout.setDpi(windowDpi(core.parentWindow));
    core.font = createFontFromSettings(core);
    if (oldFont != nullptr && oldFont != core.font) {
        DeleteObject(oldFont);
    }

    // A child frame's menu bar was never attached, so it outlived the frame.
    if (core.menuBar != nullptr && IsMenu(core.menuBar) != FALSE) {
        DestroyMenu(core.menuBar);
    }
    buildFrameMenus(core);
    registerFrameClass(moduleInstance);
    core.instance = moduleInstance;

    bool haveFile = false;
    if (path.empty()) {
        core.buffer.name.clear();
    } else if (holdsDocument(core.buffer, path)) {
        haveFile = true;
    } else {
        haveFile = core.files.openStartingFile(path, offerToCreate);
    }
    // The cursor stays on its byte, and the view shows it.
    showCursorFromTop(core);
    core.computeGeometry();

    core.frameWindow = CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, frameClassNameWide,
                                       core.files.title().c_str(), core.windowStyle, x, y, core.windowWidth,
                                       core.windowHeight, core.parentWindow, core.menuBar, core.instance, nullptr);
    if (core.frameWindow == nullptr) {
        // A child style without a parent, say: nothing was made.
        showError("The Nibblor window could not be created.");
        return 2;
    }

    // With no file the Open dialog comes first; cancelling it on an editor
    // that holds no document abandons the editor.
    if (!haveFile && core.files.openFromDialog(false) == OpenOutcome::cancelled && core.buffer.size <= 0) {
        if (core.parentWindow != nullptr) {
            SendMessageA(core.frameWindow, WM_COMMAND, destroyCommand, 0);
            core.buffer.size = -1;
        } else {
            DestroyWindow(core.frameWindow); // the stand-alone program ends with status 1
            core.frameWindow = nullptr;
        }
        return 2;
    }

    ShowWindow(core.frameWindow, SW_SHOWNORMAL);
    core.windowDC = GetDC(core.frameWindow);
    SelectObject(core.windowDC, core.font);
    SelectObject(core.windowDC, core.backgroundBrush);
    UpdateWindow(core.frameWindow);

    rememberFramePosition(core.frameWindow);

    offsetPane.create(core.frameWindow, core.instance);
    hexPane.create(core.frameWindow, core.instance);
    asciiPane.create(core.frameWindow, core.instance);

    ShowWindow(offsetPane.window, SW_SHOWNORMAL);
    ShowWindow(hexPane.window, SW_SHOWNORMAL);
    ShowWindow(asciiPane.window, SW_SHOWNORMAL);
    UpdateWindow(offsetPane.window);
    UpdateWindow(hexPane.window);
    UpdateWindow(asciiPane.window);

    restoreFrameChoices(core.frameWindow);
    core.focusActivePane();
    return 1;
}
