// send_frame_command ID: sends WM_COMMAND ID to the editor's frame (the window
// of class "Nibblor"), as its menu would. Used by scripts/screenshot.sh.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: send_frame_command ID\n");
        return 2;
    }
    HWND frame = FindWindowA("Nibblor", nullptr);
    if (frame == nullptr) {
        std::fprintf(stderr, "send_frame_command: no Nibblor window\n");
        return 1;
    }
    // Posted: Exit ends the editor, which would leave a sent message unanswered.
    PostMessageA(frame, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[1])), 0);
    return 0;
}
