#include "editor/win32/MessageBoxes.h"

#include "editor/EditorCore.h"

namespace {

// The editor's top-level window, or the dialog of its that is open.
HWND messageOwner(HWND& editorWindow)
{
    editorWindow = editorCore.frameWindow != nullptr ? GetAncestor(editorCore.frameWindow, GA_ROOT) : nullptr;
    return editorWindow != nullptr ? GetLastActivePopup(editorWindow) : nullptr;
}

int afterMessage(int answer, HWND owner, HWND editorWindow)
{
    if (owner != nullptr && owner == editorWindow) {
        editorCore.focusActivePane();
    }
    return answer;
}

} // namespace

int showMessage(const std::wstring& text, const wchar_t* caption, UINT flags)
{
    HWND editorWindow = nullptr;
    HWND owner = messageOwner(editorWindow);
    return afterMessage(MessageBoxW(owner, text.c_str(), caption, flags), owner, editorWindow);
}

int showMessage(const std::string& text, const char* caption, UINT flags)
{
    HWND editorWindow = nullptr;
    HWND owner = messageOwner(editorWindow);
    return afterMessage(MessageBoxA(owner, text.c_str(), caption, flags), owner, editorWindow);
}
