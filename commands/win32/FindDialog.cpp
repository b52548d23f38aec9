// The Find dialog: its text in three forms, and the search on "&Ok".
#include "commands/win32/FindDialog.h"

#include <string>

#include "commands/SearchSession.h"
#include "commands/SearchText.h"
#include "document/win32/BusyCursor.h"
#include "editor/EditorCore.h"
#include "editor/win32/MessageBoxes.h"
#include "editor/win32/TextConversion.h"
#include "resources/ResourceIds.h"
#include "view/Cursor.h"
#include "view/Selection.h"

namespace {

// The whole text, however long a conversion made it: a part of it would be
// searched as if it were all. False, with the user told, when characters
// have no form in the code page: as bytes they would be other characters.
// Hex and octal digits all have one; anything else there fails their parse.
bool readSearchText(HWND dialog, SearchForm form, std::string& text)
{
    const HWND field = GetDlgItem(dialog, findTextField);
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(field, &wide[0], static_cast<int>(wide.size()))));
    if (narrowText(wide, CP_ACP, text) || form != SearchForm::ascii) {
        return true;
    }
    showMessage("The text has characters that have no form in the ANSI code page. Find and Replace "
                "(Ctrl+H) can search for it as \"Text (UTF-16)\".",
                "Invalid data", MB_ICONWARNING);
    return false;
}

SearchForm formOf(int button)
{
    switch (button) {
    case findHexButton:
        return SearchForm::hex;
    case findOctalButton:
        return SearchForm::octal;
    default:
        return SearchForm::ascii;
    }
}

// The plain radio buttons are not checked by the system: this is still the
// form the text was written in when one is clicked.
SearchForm checkedForm(HWND dialog)
{
    for (const int button : {findHexButton, findOctalButton}) {
        if (IsDlgButtonChecked(dialog, button) == BST_CHECKED) {
            return formOf(button);
        }
    }
    return SearchForm::ascii;
}

void convertTo(HWND dialog, int button)
{
    const SearchForm from = checkedForm(dialog);
    const SearchForm to = formOf(button);
    if (from != to) {
        std::string text;
        if (!readSearchText(dialog, from, text)) {
            return; // the text stays in its form
        }
        SetDlgItemTextA(dialog, findTextField, convertSearchText(text, from, to).c_str());
    }
    CheckRadioButton(dialog, findHexButton, findAsciiButton, button);
}

// The text as it is written, taken as the next search; the dialog stays
// open for a text that gives no bytes to be put right.
void takeText(HWND dialog)
{
    TypedSearch typed{{}, checkedForm(dialog)};
    if (readSearchText(dialog, typed.form, typed.text) && editorCore.search.takeFindText(typed)) {
        EndDialog(dialog, 1);
    }
}

// The last search again, its message told once the busy cursor is gone;
// false when there is none yet.
bool searchAgain(bool backward)
{
    EditorCore& core = editorCore;
    FindReport report;
    {
        const BusyCursor busy(core.buffer.size);
        report = core.search.searchAgain(backward);
    }
    if (!report.message.text.empty()) {
        core.shell.tell(report.message);
    }
    return !report.askForText;
}

} // namespace

INT_PTR CALLBACK findDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    switch (message) {
    case WM_INITDIALOG: {
        // Past the edit control's default of 30,000 characters, so that a long text is not cut.
        SendDlgItemMessageW(dialog, findTextField, EM_SETLIMITTEXT, searchFieldLimit, 0);
        const TypedSearch last = editorCore.search.findDialogText();
        // The focus the dialog gives the field selects the text: selecting it
        // here too would cost the edit control another layout of all of it.
        if (!last.text.empty()) {
            SetDlgItemTextA(dialog, findTextField, last.text.c_str());
        }
        const int formButton = last.form == SearchForm::hex     ? findHexButton
                               : last.form == SearchForm::octal ? findOctalButton
                                                                : findAsciiButton;
        CheckRadioButton(dialog, findHexButton, findAsciiButton, formButton);
        return TRUE;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        switch (id) {
        case findHexButton:
        case findOctalButton:
        case findAsciiButton:
            convertTo(dialog, id);
            return TRUE;
        case findOkButton:
            takeText(dialog);
            return TRUE;
        case findTextField:
            if (HIWORD(wParam) == EN_MAXTEXT) {
                showMessage(searchFieldFullText(), "Invalid data", MB_ICONWARNING);
            }
            return TRUE;
        case findCancelButton:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
        }
    }
    default:
        return FALSE;
    }
}

void runFind(HWND frame)
{
    EditorCore& core = editorCore;
    unselect(core);
    // A wide dialog: its field keeps any character typed or pasted, so that
    // one the code page cannot hold is found out rather than read as "?".
    if (DialogBoxParamW(core.instance, findDialogTemplate, frame, findDialogProc, 0) == 1) {
        searchAgain(false); // the text the dialog took
    }
    showCursorHere(core);
    core.focusActivePane();
}

void repeatSearch(HWND frame, bool backward)
{
    if (!searchAgain(backward)) {
        runFind(frame); // nothing searched yet: ask what to find
        return;
    }
    editorCore.focusActivePane();
}
