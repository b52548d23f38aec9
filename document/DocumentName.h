#pragma once
// A document's file by two names: as it was given, which the title and the
// messages show, and whole, which every file operation takes, since the
// dialogs move the current folder.
#include "document/FileSteps.h"

// The path made whole against the current folder; as it came when it cannot be.
FilePath absolutePath(const FilePath& path);

struct DocumentName {
    FilePath shown;    // as the command line, the host, a dialog or the recent files gave it
    FilePath absolute; // where it is read, written and watched

    // A name as given now, made whole against the current folder; none for an empty one.
    static DocumentName given(const FilePath& path);
    bool empty() const { return absolute.empty(); }
    void clear() { *this = DocumentName{}; }
};
