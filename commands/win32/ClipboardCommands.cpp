#include "commands/win32/ClipboardCommands.h"

#include "commands/ClipboardCopy.h"
#include "commands/Paste.h"
#include "document/win32/ProgressWindow.h"
#include "editor/EditorCore.h"

namespace {

constexpr char copyingText[] = "Copying the selection...";

// One of the core's copies, its progress shown while it runs.
template <class Copy>
void copyShowingProgress(HWND frame, const Copy& copy)
{
    {
        ProgressWindow progress(editorCore.instance, frame, copyingText);
        copy(progress);
    }
    editorCore.focusActivePane();
}

} // namespace

void copySelection(HWND frame)
{
    copyShowingProgress(frame, [](Progress& progress) { copyToClipboard(editorCore, progress); });
}

void cutSelection(HWND frame)
{
    copyShowingProgress(frame, [](Progress& progress) { cutToClipboard(editorCore, progress); });
}

void copySelectionAs(HWND frame, CopyAsForm form)
{
    copyShowingProgress(frame, [form](Progress& progress) { copyAsToClipboard(editorCore, form, progress); });
}

void pasteClipboard(HWND /*frame*/)
{
    pasteFromClipboard(editorCore);
}
