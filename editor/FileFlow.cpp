// Opening, saving and closing: when to ask what, and what each answer does.
// The shell only shows the questions, the dialogs and the messages.
#include "editor/EditorCore.h"

#include <algorithm>
#include <system_error>

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

// The first sentence says what failed, the rest the name and the system's reason.
std::wstring withReason(const std::wstring& sentence, const FilePath& path, const FileFailure& failure)
{
    std::wstring text = sentence + L"\n\n" + path.wstring();
    if (!failure.reason.empty()) {
        text += L"\n\n" + failure.reason;
    }
    return text;
}

std::wstring loadFailureText(const FilePath& path, int result, const FileFailure& failure)
{
    if (result == FileBuffer::tooLarge) {
        return L"File " + quoted(path) + L" is too large to open.";
    }
    if (failure.kind == FileFailure::Kind::inUse) {
        return L"Cannot open " + path.wstring() + L": it is in use by another program.";
    }
    std::wstring text = L"Attempt to open " + quoted(path) + L" for binary read failed.";
    if (!failure.reason.empty()) {
        text += L"\n\n" + failure.reason;
    }
    return text;
}

std::wstring writeFailureText(const FilePath& path, int result, const FileFailure& failure)
{
    if (result == FileBuffer::cannotCreate) {
        return withReason(L"Could not open file for output.", path, failure);
    }
    // The file is written aside and put in place only when complete.
    return withReason(L"Error writing file.  The file was not changed.", path, failure);
}

} // namespace

FilePath absolutePath(const FilePath& path)
{
    std::error_code error;
    FilePath whole = std::filesystem::absolute(path, error);
    return error ? path : whole;
}

std::wstring EditorCore::documentName() const
{
    return buffer.path.empty() ? std::wstring(untitledName) : buffer.path.wstring();
}

std::wstring EditorCore::title() const
{
    std::wstring text = titlePrefix + buffer.path.wstring();
    if (shownReadOnly()) {
        text += readOnlyMark;
    }
    if (comparing()) {
        text += comparingMark + comparedFile.path.filename().wstring() + L"]";
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
    if (fileShell == nullptr) {
        return false;
    }
    switch (fileShell->ask(L"Save changes to " + documentName() + L"?", true)) {
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
    if (fileShell == nullptr) {
        return false;
    }
    if (file.readOnlyMode) {
        if (surface != nullptr) {
            surface->beep();
        }
        return false;
    }
    if (buffer.path.empty()) {
        return saveAs(); // untitled: the user names it
    }
    FileSteps& files = fileShell->files();
    if (files.inspect(buffer.path) == FileSteps::Target::regularFile && !files.replaceable(buffer.path)) {
        file.writable = false;
        if (surface != nullptr) {
            surface->titleChanged();
        }
        fileShell->tell(documentName() + L" is read-only. Use Save As to save a copy.");
        return false;
    }
    const FileStamp now = files.stamp(buffer.path);
    if (now.exists && now != file.onDisk &&
        fileShell->ask(documentName() + L" has been changed by another program since it was opened. Overwrite it?",
                       false) != Answer::yes) {
        return false;
    }
    return writeDocument(buffer.path);
}

bool EditorCore::saveAs()
{
    FilePath chosen;
    if (fileShell == nullptr || !fileShell->chooseFileToSave(buffer.path, chosen)) {
        return false;
    }
    return writeDocument(absolutePath(chosen));
}

bool EditorCore::writeDocument(const FilePath& target)
{
    FileSteps& files = fileShell->files();
    const int result = buffer.writeTo(target, files);
    if (result != FileBuffer::written) {
        fileShell->tell(writeFailureText(target, result, files.lastFailure())); // the name stays as it was
        return false;
    }
    // A copy saved from a read-only document is an ordinary one.
    buffer.path = target;
    file.readOnlyMode = false;
    file.writable = true;
    file.onDisk = files.stamp(target);
    file.noticed = file.onDisk;
    documentSaved();
    rememberRecent(target);
    if (surface != nullptr) {
        surface->titleChanged();
    }
    return true;
}

OpenOutcome EditorCore::openFromDialog(bool readOnly)
{
    if (fileShell == nullptr || !settleUnsavedChanges()) {
        return OpenOutcome::cancelled;
    }
    FilePath chosen;
    if (!fileShell->chooseFileToOpen(chosen, readOnly)) {
        return OpenOutcome::cancelled;
    }
    return openPath(chosen, readOnly) ? OpenOutcome::opened : OpenOutcome::failed;
}

OpenOutcome EditorCore::openNamed(const FilePath& path)
{
    if (fileShell == nullptr || !settleUnsavedChanges()) {
        return OpenOutcome::cancelled;
    }
    return openPath(path, false) ? OpenOutcome::opened : OpenOutcome::failed;
}

OpenOutcome EditorCore::openRecent(std::size_t index)
{
    if (fileShell == nullptr || index >= recentFiles.entries().size()) {
        return OpenOutcome::cancelled;
    }
    const FilePath path = recentFiles.entries()[index];
    if (fileShell->files().inspect(path) == FileSteps::Target::missing) {
        if (fileShell->ask(L"Cannot find " + path.wstring() + L". Remove it from the list?", false) == Answer::yes) {
            recentFiles.remove(path);
            fileShell->recentFilesChanged(recentFiles.entries());
        }
        return OpenOutcome::failed;
    }
    return openNamed(path);
}

bool EditorCore::openPath(const FilePath& path, bool readOnly)
{
    if (fileShell == nullptr || !readFile(absolutePath(path), readOnly)) {
        return false;
    }
    stopComparing(); // another document: the comparison was with the one before
    digitIndex = 0;
    setCursorOffset(0);
    scrollCursorToTop();
    showNewSize();
    rememberRecent(buffer.path);
    return true;
}

bool EditorCore::loadOrTell(const FilePath& path, FileBuffer& into, Progress& progress)
{
    FileSteps& files = fileShell->files();
    const int result = into.load(path, files, progress);
    if (result == FileBuffer::cancelled) {
        return false; // the user's own choice: nothing to tell
    }
    if (result != FileBuffer::loaded) {
        fileShell->tell(loadFailureText(path, result, files.lastFailure()));
        return false;
    }
    return true;
}

bool EditorCore::readFile(const FilePath& path, bool readOnly)
{
    // Read into a block of its own: a failure leaves the document as it was.
    FileBuffer fresh(bytesPerRow);
    if (!loadOrTell(path, fresh)) {
        return false;
    }
    FileSteps& files = fileShell->files();
    buffer.data = std::move(fresh.data);
    buffer.setSize(fresh.size);
    buffer.path = path;
    documentLoaded();
    file.readOnlyMode = readOnly;
    file.writable = files.replaceable(path);
    file.onDisk = files.stamp(path);
    file.noticed = file.onDisk;
    if (surface != nullptr) {
        surface->titleChanged();
    }
    return true;
}

bool EditorCore::compareFromDialog(Progress& progress)
{
    FilePath chosen;
    bool readOnly = true; // the other file is only read
    return fileShell != nullptr && fileShell->chooseFileToOpen(chosen, readOnly) && compareWith(chosen, progress);
}

bool EditorCore::compareWith(const FilePath& path, Progress& progress)
{
    const FilePath whole = absolutePath(path);
    FileBuffer other(bytesPerRow);
    if (!loadOrTell(whole, other, progress)) {
        return false;
    }
    comparedFile.data = std::move(other.data);
    comparedFile.setSize(other.size);
    comparedFile.path = whole;
    repaint(Repaint::later);
    if (surface != nullptr) {
        surface->titleChanged();
    }
    return true;
}

void EditorCore::stopComparing()
{
    if (!comparing()) {
        return;
    }
    comparedFile.data.release();
    comparedFile.setSize(0);
    comparedFile.path.clear();
    repaint(Repaint::later);
    if (surface != nullptr) {
        surface->titleChanged();
    }
}

void EditorCore::showNewSize()
{
    // Shown even when every row fits on one page.
    updateScrollRange(true);
    followLabelWidth();
}

bool EditorCore::openStartingFile(const FilePath& path, bool offerToCreate)
{
    const FilePath whole = absolutePath(path);
    if (offerToCreate && fileShell->files().inspect(whole) == FileSteps::Target::missing) {
        const bool create = fileShell->ask(whole.wstring() + L" does not exist. Create it?", false) == Answer::yes;
        startNewDocument(create ? whole : FilePath());
        return create;
    }
    if (openPath(whole, false)) {
        return true;
    }
    // As before the Open dialog that follows: no bytes, and the name as given.
    startNewDocument(whole);
    return false;
}

void EditorCore::startNewDocument(const FilePath& path)
{
    buffer.data.release();
    buffer.setSize(0);
    buffer.path = absolutePath(path);
    documentLoaded();
    file = DocumentFile{};
    stopComparing();
    setCursorOffset(0);
    digitIndex = 0;
    clearSelection();
}

void EditorCore::checkForOutsideChanges()
{
    // Long work serving messages (a Compare With reading, say) is not to be interrupted by a reload.
    if (fileShell == nullptr || buffer.path.empty() || LongWork::running()) {
        return;
    }
    const FileStamp now = fileShell->files().stamp(buffer.path);
    if (now == file.onDisk || now == file.noticed) {
        return;
    }
    file.noticed = now; // asked once per change, not at every activation
    if (!now.exists) {
        // Deleted: Save writes it back.
        if (!file.readOnlyMode) {
            history.markUnsaved();
        }
        if (surface != nullptr) {
            surface->titleChanged();
        }
        return;
    }
    const std::wstring question =
        documentName() + (documentModified()
                              ? L" has been changed by another program. Reload it and lose your changes?"
                              : L" has been changed by another program. Reload it?");
    if (fileShell->ask(question, false) == Answer::yes) {
        reload();
    }
}

void EditorCore::reload()
{
    const std::int32_t offset = cursorOffset;
    if (!readFile(buffer.path, file.readOnlyMode)) {
        return;
    }
    clearSelection();
    digitIndex = 0;
    setCursorOffset(std::min(offset, buffer.size));
    showCursorFromTop();
    showNewSize();
    repaint(Repaint::later);
}

void EditorCore::rememberRecent(const FilePath& path)
{
    recentFiles.add(path);
    fileShell->recentFilesChanged(recentFiles.entries());
}

void EditorCore::tell(std::string_view message)
{
    if (surface != nullptr) {
        surface->tell(message);
    }
}

bool EditorCore::refuseEdit()
{
    if (!file.readOnlyMode) {
        return false;
    }
    if (surface != nullptr) {
        surface->beep();
    }
    return true;
}
