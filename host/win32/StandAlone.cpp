// nibblor [file]: the editor as the program's own main window, on the named
// file or, when none is named, on one chosen in the Open dialog.
#include <windows.h>

#include <shellapi.h>

#include "editor/EditorCore.h"
#include "editor/win32/EditorCreate.h"
#include "host/win32/MessageLoop.h"

namespace {

// The command line's one argument, as the system splits it (quoted names
// keep their blanks), in any script.
FilePath fileArgument()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr) {
        return FilePath();
    }
    FilePath file = count > 1 ? FilePath(arguments[1]) : FilePath();
    LocalFree(arguments);
    return file;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*showCommand*/)
{
    // A cancelled first Open gives status 1, as does a window that could not be made.
    if (createOn(editorCore, nullptr, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, instance, fileArgument(),
                            true) != 1) {
        return 1;
    }
    return static_cast<int>(runMessageLoop());
}
