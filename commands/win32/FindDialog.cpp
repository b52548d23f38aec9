// The Find dialog: its text in three forms, and the search on "&Ok".
#include "commands/win32/FindDialog.h"

#include <string>
#include <vector>

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

// The form the last search read its text in, for Find next.
SearchForm lastSearchForm = SearchForm::ascii;

// An empty pattern would match anywhere: it is refused, and the dialog stays
// open for the text to be put right.
void warnNothingToFind(SearchForm form)
{
    const char* text = form == SearchForm::hex     ? "The search text is not a valid hex string."
                       : form == SearchForm::octal ? "The search text is not a valid octal string."
                                                   : "There is nothing to search for.";
    showMessage(text, "Invalid data", MB_ICONWARNING);
}

// Searches for the text, remembered as the last search, and says when it is
// not there.
void searchFor(const std::string& text, SearchForm form, const std::vector<std::uint8_t>& pattern)
{
    EditorCore& core = editorCore;
    FileBuffer& buffer = core.buffer;
    buffer.lastSearchText = text;
    lastSearchForm = form;
    FindOutcome outcome;
    {
        const BusyCursor busy(buffer.size);
        outcome = core.findNext(pattern);
    }
    switch (outcome) {
    case FindOutcome::found:
        break;
    case FindOutcome::notFound:
        showMessage("Search string not found.", "String Not Found", MB_OK);
        break;
    case FindOutcome::onlyEarlierMatches:
        showMessage("Additional occurrences of string not found.", "String Not Found", MB_OK);
        break;
    }
}

void search(HWND dialog)
{
    const SearchForm form = checkedForm(dialog);
    std::string text;
    if (!readSearchText(dialog, form, text)) {
        return;
    }
    const std::vector<std::uint8_t> pattern = searchPattern(text, form);
    if (pattern.empty()) {
        warnNothingToFind(form);
        return;
    }
    EndDialog(dialog, 1);
    searchFor(text, form, pattern);
}

} // namespace

INT_PTR CALLBACK findDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    switch (message) {
    case WM_INITDIALOG: {
        // Past the edit control's default of 30,000 characters, so that a long text is not cut.
        SendDlgItemMessageW(dialog, findTextField, EM_SETLIMITTEXT, searchFieldLimit, 0);
        const std::string& last = editorCore.buffer.lastSearchText;
        // The focus the dialog gives the field selects the text: selecting it
        // here too would cost the edit control another layout of all of it.
        if (!last.empty()) {
            SetDlgItemTextA(dialog, findTextField, last.c_str());
        }
        // The form the last text was written in, so that it reads the same
        // again; characters for a document not searched yet.
        const SearchForm form = last.empty() ? SearchForm::ascii : lastSearchForm;
        const int formButton = form == SearchForm::hex     ? findHexButton
                               : form == SearchForm::octal ? findOctalButton
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
            search(dialog);
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
    hideSelection(core);
    // A wide dialog: its field keeps any character typed or pasted, so that
    // one the code page cannot hold is found out rather than read as "?".
    DialogBoxParamW(core.instance, findDialogTemplate, frame, findDialogProc, 0);
    showCursorHere(core);
    core.focusActivePane();
}

void repeatSearch(HWND frame, bool backward)
{
    EditorCore& core = editorCore;
    if (!backward && !core.lastSearch.fromReplaceDialog) {
        findAgain(frame);
        return;
    }
    if (core.lastSearch.pattern.empty()) {
        runFind(frame); // nothing searched yet: ask what to find
        return;
    }
    if (!core.findAndSelect(core.lastSearch.pattern, backward, core.searchRange(false))) {
        showMessage("Search string not found.", "String Not Found", MB_OK);
    }
    core.focusActivePane();
}

void findAgain(HWND frame)
{
    EditorCore& core = editorCore;
    const std::string text = core.buffer.lastSearchText;
    const std::vector<std::uint8_t> pattern = searchPattern(text, lastSearchForm);
    if (pattern.empty()) {
        runFind(frame); // nothing searched yet: ask what to find
        return;
    }
    hideSelection(core);
    searchFor(text, lastSearchForm, pattern);
    showCursorHere(core);
    core.focusActivePane();
}
