#pragma once
// Opening, saving and closing: when to ask what, what each answer does, and
// what the title says. The document's file as the flow knows it and the list
// of recent files are its own; the questions, the dialogs and the files go
// through the core's shell.
#include <cstddef>
#include <string>
#include <vector>

#include "document/DocumentName.h"
#include "document/FileSteps.h"
#include "document/Progress.h"
#include "editor/RecentFiles.h"

struct EditorCore;
struct FileBuffer;

enum class OpenOutcome {
    opened,    // the file is the document now
    cancelled, // the user stopped at a question or the dialog: nothing changed
    failed,    // the file could not be read, and the user was told: nothing changed
};

// The document's file as the flow of opening and saving knows it.
struct DocumentFile {
    bool readOnlyMode = false; // opened read-only: no command changes the document
    bool writable = true;      // the file itself may be written
    FileStamp onDisk;          // at the load or the latest save
    FileStamp noticed;         // the latest change by another program the user was asked about
};

class FileFlow {
public:
    explicit FileFlow(EditorCore& core) : core_(&core) {}

    // The name as given, or "Untitled".
    std::wstring documentName() const;
    // "Nibblor - NAME" with the name as given, " [read-only]" when it may not
    // be written, " [comparing with OTHER]" while comparing, " *" while modified.
    std::wstring title() const;

    // Before the document could be lost: "Save changes to NAME?" while it is
    // modified. False when the user cancels or the save fails.
    bool settleUnsavedChanges();
    // Save over the document's own file; Save As when it has none.
    bool save();
    bool saveAs();

    // Open: the question about changes, the dialog, then the file.
    OpenOutcome openFromDialog(bool readOnly);
    // The file becomes the document, or the user is told why not and the
    // document stays. No question first.
    bool openPath(const FilePath& path, bool readOnly);
    // A recent file, or a dropped one: the question about changes first.
    OpenOutcome openNamed(const FilePath& path);
    OpenOutcome openRecent(std::size_t index);
    // The file a new editor window is made on. A missing one may become a new
    // document when `offerToCreate`; false when there is none to show (the
    // user was told why), and the Open dialog follows.
    bool openStartingFile(const FilePath& path, bool offerToCreate);
    // The whole file read into `into`, which takes its name; the user told
    // why not, and false, when it cannot be; false alone when the user cancels.
    bool loadOrTell(const DocumentName& name, FileBuffer& into, Progress& progress = noProgress());

    // The frame came to the front: the file's changes by other programs are
    // put to the user, once each; not while long work runs.
    void checkForOutsideChanges();

    // Save has something to do (not in a read-only document).
    bool saveAvailable() const { return !file_.readOnlyMode; }
    // Shown as read-only: opened so, or its file may not be written.
    bool shownReadOnly() const { return file_.readOnlyMode || !file_.writable; }
    // A read-only document refuses every change: a beep, and true.
    bool refuseEdit();
    // Open Read-Only's restriction put on the document as it is, or taken off.
    void setReadOnlyMode(bool readOnly) { file_.readOnlyMode = readOnly; }

    const RecentFiles& recentFiles() const { return recent_; }
    // The list as the settings keep it, when an editor window is made.
    void restoreRecentFiles(const std::vector<std::wstring>& stored) { recent_.assign(stored); }

private:
    // An empty document under a name that no file has yet; Save creates it.
    void startNewDocument(const FilePath& path);
    // The document written to `target`, which becomes its name; told and false on failure.
    bool writeDocument(const DocumentName& target);
    // The file read into a block of its own, which becomes the document's;
    // told and false, the document as it was, when it cannot be read.
    bool readFile(const DocumentName& name, bool readOnly);
    // The file read again after another program changed it; the cursor keeps its offset.
    void reload();
    void rememberRecent(const FilePath& path);
    void retitle();
    void beep();

    EditorCore* core_; // a pointer, so that a test may keep and put back the state
    DocumentFile file_;
    RecentFiles recent_;
};
