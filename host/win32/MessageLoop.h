#pragma once
#include <windows.h>

#include "editor/win32/ModelessWindows.h"

// The program's one message loop: it serves every window of the thread; the
// dialogs run their own. Returns the quit message's code.
inline WPARAM runMessageLoop()
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) != 0) {
        if (passToModelessWindow(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return message.wParam;
}
