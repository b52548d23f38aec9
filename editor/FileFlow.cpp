// Opening, saving and closing: when to ask what, and what each answer does.
// The shell only shows the questions, the dialogs and the messages.
#include "editor/FileFlow.h"

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

std::wstring FileFlow::documentName() const
{
    const FileBuffer& buffer = core_->buffer;
    return buffer.name.empty() ? std::wstring(untitledName) : buffer.name.shown.wstring();
}

std::wstring FileFlow::title() const
{
    const EditorCore& core = *core_;
    std::wstring text = titlePrefix + core.buffer.name.shown.wstring();
    if (shownReadOnly()) {
        text += readOnlyMark;
    }
    if (core.comparison.active()) {
        text += comparingMark + core.comparison.other().name.shown.filename().wstring() + L"]";
    }
    if (core.history.modified()) {
        text += modifiedMark;
    }
    return text;
}

bool FileFlow::settleUnsavedChanges()
{
    const EditorShell& shell = core_->shell;
    if (!core_->history.modified()) {
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

bool FileFlow::save()
{
    EditorCore& core = *core_;
    if (core.shell.files == nullptr) {
        return false;
    }
    if (file_.readOnlyMode) {
        beep();
        return false;
    }
    if (core.buffer.name.empty()) {
        return saveAs(); // untitled: the user names it
    }
    const FilePath& path = core.buffer.name.absolute;
    FileSteps& files = core.shell.files->files();
    if (files.inspect(path) == FileSteps::Target::regularFile && !files.replaceable(path)) {
        file_.writable = false;
        retitle();
        core.shell.tell(errorMessage(documentName() + L" is read-only. Use Save As to save a copy."));
        return false;
    }
    const FileStamp now = files.stamp(path);
    if (now.exists && now != file_.onDisk &&
        core.shell.ask(documentName() + L" has been changed by another program since it was opened. Overwrite it?",
                       false) != Answer::yes) {
        return false;
    }
    return writeDocument(core.buffer.name);
}

bool FileFlow::saveAs()
{
    const EditorShell& shell = core_->shell;
    FilePath chosen;
    if (shell.files == nullptr || !shell.files->chooseFileToSave(core_->buffer.name.absolute, chosen)) {
        return false;
    }
    return writeDocument(DocumentName::given(chosen));
}

bool FileFlow::writeDocument(const DocumentName& target)
{
    EditorCore& core = *core_;
    FileSteps& files = core.shell.files->files();
    const int result = core.buffer.writeTo(target.absolute, files);
    if (result != FileBuffer::written) {
        // The name stays as it was.
        core.shell.tell(errorMessage(writeFailureText(target, result, files.lastFailure())));
        return false;
    }
    // A copy saved from a read-only document is an ordinary one.
    core.buffer.name = target;
    file_.readOnlyMode = false;
    file_.writable = true;
    file_.onDisk = files.stamp(target.absolute);
    file_.noticed = file_.onDisk;
    core.history.markSaved();
    rememberRecent(target.absolute);
    retitle();
    return true;
}

OpenOutcome FileFlow::openFromDialog(bool readOnly)
{
    const EditorShell& shell = core_->shell;
    if (shell.files == nullptr || !settleUnsavedChanges()) {
        return OpenOutcome::cancelled;
    }
    FilePath chosen;
    if (!shell.files->chooseFileToOpen(chosen, readOnly)) {
        return OpenOutcome::cancelled;
    }
    return openPath(chosen, readOnly) ? OpenOutcome::opened : OpenOutcome::failed;
}

OpenOutcome FileFlow::openNamed(const FilePath& path)
{
    if (core_->shell.files == nullptr || !settleUnsavedChanges()) {
        return OpenOutcome::cancelled;
    }
    return openPath(path, false) ? OpenOutcome::opened : OpenOutcome::failed;
}

OpenOutcome FileFlow::openRecent(std::size_t index)
{
    const EditorShell& shell = core_->shell;
    if (shell.files == nullptr || index >= recent_.entries().size()) {
        return OpenOutcome::cancelled;
    }
    const FilePath path = recent_.entries()[index];
    if (shell.files->files().inspect(path) == FileSteps::Target::missing) {
        if (shell.ask(L"Cannot find " + path.wstring() + L". Remove it from the list?", false) == Answer::yes) {
            recent_.remove(path);
            shell.files->recentFilesChanged(recent_.entries());
        }
        return OpenOutcome::failed;
    }
    return openNamed(path);
}

bool FileFlow::openPath(const FilePath& path, bool readOnly)
{
    EditorCore& core = *core_;
    if (core.shell.files == nullptr || !readFile(DocumentName::given(path), readOnly)) {
        return false;
    }
    core.comparison.stop(); // another document: the comparison was with the one before
    core.digitIndex = 0;
    setCursorOffset(core, 0);
    scrollCursorToTop(core);
    showNewSize(core);
    rememberRecent(core.buffer.name.absolute);
    return true;
}

bool FileFlow::loadOrTell(const DocumentName& name, FileBuffer& into, Progress& progress)
{
    const EditorShell& shell = core_->shell;
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

bool FileFlow::readFile(const DocumentName& name, bool readOnly)
{
    EditorCore& core = *core_;
    FileBuffer& buffer = core.buffer;
    // Read into a block of its own: a failure leaves the document as it was.
    FileBuffer fresh(core.bytesPerRow);
    if (!loadOrTell(name, fresh)) {
        return false;
    }
    FileSteps& files = core.shell.files->files();
    buffer.adoptBytesOf(std::move(fresh)); // the marks were the document's before
    buffer.name = name;
    core.history.reset();
    file_.readOnlyMode = readOnly;
    file_.writable = files.replaceable(name.absolute);
    file_.onDisk = files.stamp(name.absolute);
    file_.noticed = file_.onDisk;
    retitle();
    return true;
}

bool FileFlow::openStartingFile(const FilePath& path, bool offerToCreate)
{
    const EditorShell& shell = core_->shell;
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

void FileFlow::startNewDocument(const FilePath& path)
{
    EditorCore& core = *core_;
    FileBuffer& buffer = core.buffer;
    buffer.adopt(ByteBlock{}, 0);
    buffer.name = DocumentName::given(path);
    core.history.reset();
    file_ = DocumentFile{};
    core.comparison.stop();
    setCursorOffset(core, 0);
    core.digitIndex = 0;
    forgetSelection(core);
}

void FileFlow::checkForOutsideChanges()
{
    EditorCore& core = *core_;
    const FileBuffer& buffer = core.buffer;
    // Long work serving messages (a Compare With reading, say) is not to be interrupted by a reload.
    if (core.shell.files == nullptr || buffer.name.empty() || LongWork::running()) {
        return;
    }
    const FileStamp now = core.shell.files->files().stamp(buffer.name.absolute);
    if (now == file_.onDisk || now == file_.noticed) {
        return;
    }
    file_.noticed = now; // asked once per change, not at every activation
    if (!now.exists) {
        // Deleted: Save writes it back.
        if (!file_.readOnlyMode) {
            core.history.markUnsaved();
        }
        retitle();
        return;
    }
    const std::wstring question =
        documentName() + (core.history.modified()
                              ? L" has been changed by another program. Reload it and lose your changes?"
                              : L" has been changed by another program. Reload it?");
    if (core.shell.ask(question, false) == Answer::yes) {
        reload();
    }
}

void FileFlow::reload()
{
    EditorCore& core = *core_;
    const std::int32_t offset = core.cursorOffset;
    if (!readFile(core.buffer.name, file_.readOnlyMode)) {
        return;
    }
    forgetSelection(core);
    core.digitIndex = 0;
    setCursorOffset(core, std::min(offset, core.buffer.size));
    showCursorFromTop(core);
    showNewSize(core);
    core.repaint(Repaint::later);
}

void FileFlow::rememberRecent(const FilePath& path)
{
    recent_.add(path);
    core_->shell.files->recentFilesChanged(recent_.entries());
}

bool FileFlow::refuseEdit()
{
    if (!file_.readOnlyMode) {
        return false;
    }
    beep();
    return true;
}

void FileFlow::retitle()
{
    if (core_->shell.surface != nullptr) {
        core_->shell.surface->titleChanged();
    }
}

void FileFlow::beep()
{
    if (core_->shell.surface != nullptr) {
        core_->shell.surface->beep();
    }
}
