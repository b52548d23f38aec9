// Opening, saving and closing: when to ask what, and what each answer does.
// The shell only shows the questions, the dialogs and the messages.
#include "editor/EditorCore.h"
#include "view/Cursor.h"
#include "view/Placing.h"
#include "view/Scrolling.h"
#include "view/Selection.h"

#include <algorithm>

namespace {

constexpr wchar_t titlePrefix[] = L"Nibblor - ";
constexpr wchar_t readOnlyMark[] = L" [read-only]";
constexpr wchar_t modifiedMark[] = L" *";
constexpr wchar_t untitledName[] = L"Untitled";
constexpr wchar_t comparingMark[] = L" [comparing with ";

std::wstring quoted(const FilePath& path)
{
    return L"\"" + path.wstring() + L"\"";
}

// The first sentence says what failed; the whole path, where it says more
// than the sentence did, and the system's reason follow on lines of their own.
std::wstring withDetails(std::wstring text, const FilePath& wholePath, const std::wstring& reason)
{
    for (const std::wstring& detail : {wholePath.wstring(), reason}) {
        if (!detail.empty()) {
            text += L"\n\n" + detail;
        }
    }
    return text;
}

// The whole path when the name as shown is not already that.
FilePath wholePathBeyond(const DocumentName& name)
{
    return name.shown == name.absolute ? FilePath() : name.absolute;
}

std::wstring loadFailureText(const DocumentName& name, int result, const FileFailure& failure)
{
    const FilePath whole = wholePathBeyond(name);
    if (result == FileBuffer::tooLarge) {
        return withDetails(L"File " + quoted(name.shown) + L" is too large to open.", whole, {});
    }
    if (failure.kind == FileFailure::Kind::inUse) {
        return withDetails(L"Cannot open " + name.shown.wstring() + L": it is in use by another program.", whole, {});
    }
    return withDetails(L"Attempt to open " + quoted(name.shown) + L" for binary read failed.", whole, failure.reason);
}

std::wstring writeFailureText(const DocumentName& target, int result, const FileFailure& failure)
{
    if (result == FileBuffer::cannotCreate) {
        return withDetails(L"Could not open file for output.", target.absolute, failure.reason);
    }
    // The file is written aside and put in place only when complete.
    return withDetails(L"Error writing file.  The file was not changed.", target.absolute, failure.reason);
}

} // namespace

std::wstring EditorCore::documentName() const
{
    return buffer.name.empty() ? std::wstring(untitledName) : buffer.name.shown.wstring();
}

std::wstring EditorCore::title() const
{
    std::wstring text = titlePrefix + buffer.name.shown.wstring();
    if (shownReadOnly()) {
        text += readOnlyMark;
    }
    if (comparing()) {
        text += comparingMark + comparison.other().name.shown.filename().wstring() + L"]";
    }
    if (documentModified()) {
        text += modifiedMark;
    }
    return text;
}

bool EditorCore::settleUnsavedChanges()
{
    if (!documentModified()) {
        return true;
    }
    if (shell.files == nullptr) {
        return false;
    }
    switch (shell.ask(L"Save changes to " + documentName() + L"?", true)) {
    case Answer::yes:
        return save();
    case Answer::no:
        return true;
    case Answer::cancel:
        break;
    }
    return false;
}

bool EditorCore::save()
{
    if (shell.files == nullptr) {
        return false;
    }
    if (file.readOnlyMode) {
        if (shell.surface != nullptr) {
            shell.surface->beep();
        }
        return false;
    }
    if (buffer.name.empty()) {
        return saveAs(); // untitled: the user names it
    }
    const FilePath& path = buffer.name.absolute;
    FileSteps& files = shell.files->files();
    if (files.inspect(path) == FileSteps::Target::regularFile && !files.replaceable(path)) {
        file.writable = false;
        if (shell.surface != nullptr) {
            shell.surface->titleChanged();
        }
        shell.tell(errorMessage(documentName() + L" is read-only. Use Save As to save a copy."));
        return false;
    }
    const FileStamp now = files.stamp(path);
    if (now.exists && now != file.onDisk &&
        shell.ask(documentName() + L" has been changed by another program since it was opened. Overwrite it?",
                       false) != Answer::yes) {
        return false;
    }
    return writeDocument(buffer.name);
}

bool EditorCore::saveAs()
{
    FilePath chosen;
    if (shell.files == nullptr || !shell.files->chooseFileToSave(buffer.name.absolute, chosen)) {
        return false;
    }
    return writeDocument(DocumentName::given(chosen));
}

bool EditorCore::writeDocument(const DocumentName& target)
{
    FileSteps& files = shell.files->files();
    const int result = buffer.writeTo(target.absolute, files);
    if (result != FileBuffer::written) {
        shell.tell(errorMessage(writeFailureText(target, result, files.lastFailure()))); // the name stays as it was
        return false;
    }
    // A copy saved from a read-only document is an ordinary one.
    buffer.name = target;
    file.readOnlyMode = false;
    file.writable = true;
    file.onDisk = files.stamp(target.absolute);
    file.noticed = file.onDisk;
    documentSaved();
    rememberRecent(target.absolute);
    if (shell.surface != nullptr) {
        shell.surface->titleChanged();
    }
    return true;
}

OpenOutcome EditorCore::openFromDialog(bool readOnly)
{
    if (shell.files == nullptr || !settleUnsavedChanges()) {
        return OpenOutcome::cancelled;
    }
    FilePath chosen;
    if (!shell.files->chooseFileToOpen(chosen, readOnly)) {
        return OpenOutcome::cancelled;
    }
    return openPath(chosen, readOnly) ? OpenOutcome::opened : OpenOutcome::failed;
}

OpenOutcome EditorCore::openNamed(const FilePath& path)
{
    if (shell.files == nullptr || !settleUnsavedChanges()) {
        return OpenOutcome::cancelled;
    }
    return openPath(path, false) ? OpenOutcome::opened : OpenOutcome::failed;
}

OpenOutcome EditorCore::openRecent(std::size_t index)
{
    if (shell.files == nullptr || index >= recentFiles.entries().size()) {
        return OpenOutcome::cancelled;
    }
    const FilePath path = recentFiles.entries()[index];
    if (shell.files->files().inspect(path) == FileSteps::Target::missing) {
        if (shell.ask(L"Cannot find " + path.wstring() + L". Remove it from the list?", false) == Answer::yes) {
            recentFiles.remove(path);
            shell.files->recentFilesChanged(recentFiles.entries());
        }
        return OpenOutcome::failed;
    }
    return openNamed(path);
}

bool EditorCore::openPath(const FilePath& path, bool readOnly)
{
    if (shell.files == nullptr || !readFile(DocumentName::given(path), readOnly)) {
        return false;
    }
    stopComparing(); // another document: the comparison was with the one before
    digitIndex = 0;
    setCursorOffset(*this, 0);
    scrollCursorToTop(*this);
    showNewSize(*this);
    rememberRecent(buffer.name.absolute);
    return true;
}

bool EditorCore::loadOrTell(const DocumentName& name, FileBuffer& into, Progress& progress)
{
    FileSteps& files = shell.files->files();
    const int result = into.load(name.absolute, files, progress);
    if (result == FileBuffer::cancelled) {
        return false; // the user's own choice: nothing to tell
    }
    if (result != FileBuffer::loaded) {
        shell.tell(errorMessage(loadFailureText(name, result, files.lastFailure())));
        return false;
    }
    into.name = name;
    return true;
}

bool EditorCore::readFile(const DocumentName& name, bool readOnly)
{
    // Read into a block of its own: a failure leaves the document as it was.
    FileBuffer fresh(bytesPerRow);
    if (!loadOrTell(name, fresh)) {
        return false;
    }
    FileSteps& files = shell.files->files();
    buffer.data = std::move(fresh.data);
    buffer.setSize(fresh.size);
    buffer.marks.clear(); // they were the document's before
    buffer.name = name;
    documentLoaded();
    file.readOnlyMode = readOnly;
    file.writable = files.replaceable(name.absolute);
    file.onDisk = files.stamp(name.absolute);
    file.noticed = file.onDisk;
    if (shell.surface != nullptr) {
        shell.surface->titleChanged();
    }
    return true;
}

bool EditorCore::compareFromDialog(Progress& progress)
{
    FilePath chosen;
    bool readOnly = true; // the other file is only read
    return shell.files != nullptr && shell.files->chooseFileToOpen(chosen, readOnly) && compareWith(chosen, progress);
}

bool EditorCore::compareWith(const FilePath& path, Progress& progress)
{
    FileBuffer other(bytesPerRow);
    if (!loadOrTell(DocumentName::given(path), other, progress)) {
        return false;
    }
    comparison.begin(std::move(other));
    repaint(Repaint::later);
    if (shell.surface != nullptr) {
        shell.surface->titleChanged();
    }
    return true;
}

void EditorCore::stopComparing()
{
    if (!comparing()) {
        return;
    }
    comparison.end();
    repaint(Repaint::later);
    if (shell.surface != nullptr) {
        shell.surface->titleChanged();
    }
}

bool EditorCore::openStartingFile(const FilePath& path, bool offerToCreate)
{
    const DocumentName name = DocumentName::given(path);
    if (offerToCreate && shell.files->files().inspect(name.absolute) == FileSteps::Target::missing) {
        const bool create = shell.ask(name.shown.wstring() + L" does not exist. Create it?", false) == Answer::yes;
        startNewDocument(create ? path : FilePath());
        return create;
    }
    if (openPath(path, false)) {
        return true;
    }
    // As before the Open dialog that follows: no bytes, and the name as given.
    startNewDocument(path);
    return false;
}

void EditorCore::startNewDocument(const FilePath& path)
{
    buffer.data.release();
    buffer.setSize(0);
    buffer.marks.clear();
    buffer.name = DocumentName::given(path);
    documentLoaded();
    file = DocumentFile{};
    stopComparing();
    setCursorOffset(*this, 0);
    digitIndex = 0;
    clearSelection(*this);
}

void EditorCore::checkForOutsideChanges()
{
    // Long work serving messages (a Compare With reading, say) is not to be interrupted by a reload.
    if (shell.files == nullptr || buffer.name.empty() || LongWork::running()) {
        return;
    }
    const FileStamp now = shell.files->files().stamp(buffer.name.absolute);
    if (now == file.onDisk || now == file.noticed) {
        return;
    }
    file.noticed = now; // asked once per change, not at every activation
    if (!now.exists) {
        // Deleted: Save writes it back.
        if (!file.readOnlyMode) {
            history.markUnsaved();
        }
        if (shell.surface != nullptr) {
            shell.surface->titleChanged();
        }
        return;
    }
    const std::wstring question =
        documentName() + (documentModified()
                              ? L" has been changed by another program. Reload it and lose your changes?"
                              : L" has been changed by another program. Reload it?");
    if (shell.ask(question, false) == Answer::yes) {
        reload();
    }
}

void EditorCore::reload()
{
    const std::int32_t offset = cursorOffset;
    if (!readFile(buffer.name, file.readOnlyMode)) {
        return;
    }
    clearSelection(*this);
    digitIndex = 0;
    setCursorOffset(*this, std::min(offset, buffer.size));
    showCursorFromTop(*this);
    showNewSize(*this);
    repaint(Repaint::later);
}

void EditorCore::rememberRecent(const FilePath& path)
{
    recentFiles.add(path);
    shell.files->recentFilesChanged(recentFiles.entries());
}

bool EditorCore::refuseEdit()
{
    if (!file.readOnlyMode) {
        return false;
    }
    if (shell.surface != nullptr) {
        shell.surface->beep();
    }
    return true;
}
