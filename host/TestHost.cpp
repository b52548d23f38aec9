// The test host's entry point: the host window and the program's only message
// loop, which serves the editor's windows too.
#include <windows.h>

#include <cstdlib>

#include "host/HostWindow.h"
#include "host/MessageLoop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*showCommand*/)
{
    std::srand(static_cast<unsigned>(reinterpret_cast<UINT_PTR>(instance)));
    createHostWindow(instance);

    runMessageLoop();
    return 1;
}
