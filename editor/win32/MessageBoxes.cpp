#include "editor/win32/MessageBoxes.h"

#include "editor/EditorCore.h"
#include "editor/Prompts.h"

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

namespace {

constexpr wchar_t questionCaption[] = L"Nibblor";

UINT iconOf(Notice notice)
{
    switch (notice) {
    case Notice::error:
        return MB_ICONERROR;
    case Notice::warning:
        return MB_ICONWARNING;
    case Notice::information:
        return MB_ICONINFORMATION;
    case Notice::plain:
        break;
    }
    return MB_OK;
}

class Win32Prompts final : public Prompts {
public:
    Answer ask(std::wstring_view question, bool cancellable) override
    {
        const UINT buttons = cancellable ? MB_YESNOCANCEL : MB_YESNO;
        switch (showMessage(std::wstring(question), questionCaption, buttons | MB_ICONWARNING)) {
        case IDYES:
            return Answer::yes;
        case IDNO:
            return Answer::no;
        default:
            return Answer::cancel;
        }
    }

    void tell(const Message& message) override { showMessage(message.text, message.caption.c_str(), iconOf(message.notice)); }
};

} // namespace

Prompts& win32Prompts()
{
    static Win32Prompts prompts;
    return prompts;
}
