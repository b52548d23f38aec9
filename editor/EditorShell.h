#pragma once
// What the editor core asks of the window system, in one place: drawing the
// panes and the frame's parts, questions and messages, files with their
// dialogs, the clipboard, and the commands' dialogs and windows. A missing part does
// nothing, and a question it would ask is answered as declined, so the core
// runs without any shell at all.
#include <string_view>

#include "editor/Clipboard.h"
#include "editor/FileShell.h"
#include "editor/Prompts.h"
#include "view/ViewSurface.h"

class CommandShell; // commands/CommandShell.h

struct EditorShell {
    ViewSurface* surface = nullptr;
    Prompts* prompts = nullptr;
    FileShell* files = nullptr;
    // The dialogs and windows the commands open.
    CommandShell* commands = nullptr;
    Clipboard* clipboard = nullptr;

    // Cancel (or No) without a way to ask.
    Answer ask(std::wstring_view question, bool cancellable) const
    {
        return prompts != nullptr ? prompts->ask(question, cancellable) : cancellable ? Answer::cancel : Answer::no;
    }
    bool confirm(std::wstring_view question) const { return ask(question, false) == Answer::yes; }
    void tell(const Message& message) const
    {
        if (prompts != nullptr) {
            prompts->tell(message);
        }
    }
};
