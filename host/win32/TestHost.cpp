// The test host's entry point: the host window and the program's only message
// loop, which serves the editor's windows too.
#include <windows.h>

#include <cstdlib>

#include "host/win32/HostWindow.h"
#include "host/win32/MessageLoop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*showCommand*/)
{
    std::srand(static_cast<unsigned>(reinterpret_cast<UINT_PTR>(instance)));
    createHostWindow(instance);

    runMessageLoop();
    return 1;
}
