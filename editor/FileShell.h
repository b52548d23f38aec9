#pragma once
// What opening, saving and closing need from the window system: questions and
// messages, the Open and Save dialogs, the file system, and word that the list
// of recent files changed. The Win32 shell answers with message boxes and the
// common dialogs; the core's tests script the answers.
#include <string_view>
#include <vector>

#include "document/FileSteps.h"

enum class Answer { yes, no, cancel };

class FileShell {
public:
    virtual ~FileShell() = default;

    // A question with Yes and No, and Cancel when `cancellable`.
    virtual Answer ask(std::wstring_view question, bool cancellable) = 0;
    // A failure the user must know of.
    virtual void tell(std::wstring_view message) = 0;
    // The Open dialog: false when cancelled. `readOnly` comes in as the
    // command asks and goes out as the dialog's read-only box says.
    virtual bool chooseFileToOpen(FilePath& chosen, bool& readOnly) = 0;
    // The Save dialog, offering `current` first: false when cancelled.
    virtual bool chooseFileToSave(const FilePath& current, FilePath& chosen) = 0;
    virtual FileSteps& files() = 0;
    // The list of recent files, newest first, to be stored and shown again.
    virtual void recentFilesChanged(const std::vector<FilePath>& entries) = 0;
};
