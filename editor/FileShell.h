#pragma once
// What opening, saving and closing need from the window system besides its
// questions: the Open and Save dialogs, the file system, and word that the
// list of recent files changed. The Win32 shell answers with the common
// dialogs; the core's tests script the answers.
#include <vector>

#include "document/FileSteps.h"

class FileShell {
public:
    virtual ~FileShell() = default;

    // The Open dialog: false when cancelled. `readOnly` comes in as the
    // command asks and goes out as the dialog's read-only box says.
    virtual bool chooseFileToOpen(FilePath& chosen, bool& readOnly) = 0;
    // The Save dialog, offering `current` first: false when cancelled.
    virtual bool chooseFileToSave(const FilePath& current, FilePath& chosen) = 0;
    virtual FileSteps& files() = 0;
    // The list of recent files, newest first, to be stored and shown again.
    virtual void recentFilesChanged(const std::vector<FilePath>& entries) = 0;
};
