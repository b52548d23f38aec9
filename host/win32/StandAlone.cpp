// nibblor [file]: the editor as the program's own main window, on the named
// file or, when none is named, on one chosen in the Open dialog.
#include <windows.h>

#include <cstring>
#include <string>

#include "editor/EditorCore.h"
#include "host/win32/MessageLoop.h"

namespace {

// The command line's one argument, without surrounding blanks and quotes.
std::string fileArgument(const char* commandLine)
{
    std::string text = commandLine != nullptr ? commandLine : "";
    const char* blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return std::string();
    }
    text = text.substr(first, text.find_last_not_of(blanks) - first + 1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR commandLine, int /*showCommand*/)
{
    const std::string path = fileArgument(commandLine);
    // A cancelled first Open ends the process inside create, with status 1.
    if (editorCore.create(nullptr, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, instance, path.c_str()) != 1) {
        return 1;
    }
    return static_cast<int>(runMessageLoop());
}
