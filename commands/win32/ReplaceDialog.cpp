// The Find and Replace dialog: its fields read into patterns, each button's
// core operation, and the results in its status line and match list.
#include "commands/win32/ReplaceDialog.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "commands/SearchPatterns.h"
#include "commands/SearchSession.h"
#include "commands/SearchText.h"
#include "commands/win32/ListColumns.h"
#include "document/win32/ProgressWindow.h"
#include "editor/EditorCore.h"
#include "editor/win32/ModelessWindows.h"
#include "editor/win32/TextConversion.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int offsetColumnWidth = 90;
constexpr int bytesColumnWidth = 330;

struct DialogState {
    HWND window = nullptr;
};
DialogState dialog;

void setStatus(const std::string& text)
{
    SetDlgItemTextA(dialog.window, replaceStatusLine, text.c_str());
}

std::wstring fieldText(int field)
{
    const HWND control = GetDlgItem(dialog.window, field);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    GetWindowTextW(control, &text[0], static_cast<int>(text.size()));
    text.resize(text.size() - 1);
    return text;
}

bool checked(int control)
{
    return IsDlgButtonChecked(dialog.window, control) == BST_CHECKED;
}

// Each byte's other case in the ANSI code page, as the system's letters have it.
CaseFolding ansiCaseFolding()
{
    CaseFolding folding = asciiCaseFolding();
    for (int byte = 0; byte < static_cast<int>(folding.size()); ++byte) {
        char lower = static_cast<char>(byte);
        char upper = static_cast<char>(byte);
        CharLowerBuffA(&lower, 1);
        CharUpperBuffA(&upper, 1);
        const auto index = static_cast<std::size_t>(byte);
        folding[index] = static_cast<std::uint8_t>(lower != static_cast<char>(byte) ? lower : upper);
    }
    return folding;
}

// The text in the ANSI code page; false, with the message set, when a character has no form there.
bool ansiText(const std::wstring& text, std::string& ansi)
{
    if (!narrowText(text, CP_ACP, ansi)) {
        setStatus("The text has characters the ANSI code page cannot hold; choose Text (UTF-16).");
        return false;
    }
    return true;
}

std::u16string units(const std::wstring& text)
{
    return std::u16string(text.begin(), text.end());
}

// Find what as a pattern; empty, with the status line saying why, when it is none.
SearchPattern findPattern()
{
    const std::wstring text = fieldText(replaceFindField);
    const bool matchCase = checked(replaceMatchCaseBox);
    SearchPattern pattern;
    std::string error;
    if (checked(replaceHexButton)) {
        std::string ascii;
        if (ansiText(text, ascii)) {
            pattern = parseHexPattern(ascii, true, error);
        } else {
            return {};
        }
    } else if (checked(replaceUtf16Button)) {
        std::wstring otherCase = text;
        for (wchar_t& unit : otherCase) {
            wchar_t lower = unit;
            wchar_t upper = unit;
            CharLowerBuffW(&lower, 1);
            CharUpperBuffW(&upper, 1);
            unit = lower != unit ? lower : upper;
        }
        pattern = utf16Pattern(units(text), units(otherCase), matchCase);
    } else {
        std::string ansi;
        if (!ansiText(text, ansi)) {
            return {};
        }
        static const CaseFolding folding = ansiCaseFolding(); // the code page stays while the program runs
        pattern = textPattern(ansi, matchCase, folding);
    }
    if (pattern.empty()) {
        setStatus(error.empty() ? "Find what is empty." : error);
    }
    return pattern;
}

// Replace with as bytes; false, with the status line saying why, when it is no such text.
bool replacementBytes(std::vector<std::uint8_t>& bytes)
{
    const std::wstring text = fieldText(replaceWithField);
    if (checked(replaceUtf16Button)) {
        bytes = utf16Bytes(units(text));
        return true;
    }
    std::string ansi;
    if (!ansiText(text, ansi)) {
        return false;
    }
    if (!checked(replaceHexButton)) {
        bytes.assign(ansi.begin(), ansi.end());
        return true;
    }
    std::string error;
    bytes = patternBytes(parseHexPattern(ansi, false, error));
    if (!error.empty()) {
        setStatus("Replace with: " + error);
        return false;
    }
    return true;
}

SearchOptions options()
{
    return {checked(replaceBackwardBox), checked(replaceInSelectionBox)};
}

void show(const SearchReport& report)
{
    setStatus(report.status);
    if (report.warning) {
        editorCore.shell.tell(warningMessage(report.status, "Find and Replace"));
    }
}

void onFindNext()
{
    const SearchPattern pattern = findPattern();
    if (!pattern.empty()) {
        show(editorCore.search.findNext(pattern, options()));
    }
}

void onReplace()
{
    const SearchPattern pattern = findPattern();
    std::vector<std::uint8_t> replacement;
    if (!pattern.empty() && replacementBytes(replacement)) {
        show(editorCore.search.replace(pattern, replacement, options()));
    }
}

void onReplaceAll()
{
    const SearchPattern pattern = findPattern();
    std::vector<std::uint8_t> replacement;
    if (pattern.empty() || !replacementBytes(replacement)) {
        return;
    }
    SearchReport report;
    {
        ProgressWindow progress(editorCore.instance, dialog.window, "Replacing every match...");
        report = editorCore.search.replaceAll(pattern, replacement, options(), progress);
    }
    show(report);
}

void showMatches()
{
    const HWND list = GetDlgItem(dialog.window, replaceMatchList);
    SendMessageW(list, LVM_SETITEMCOUNT, editorCore.search.listed().size(), 0);
    InvalidateRect(list, nullptr, TRUE);
}

void onFindAll()
{
    const SearchPattern pattern = findPattern();
    if (pattern.empty()) {
        return;
    }
    {
        ProgressWindow progress(editorCore.instance, dialog.window, "Finding every match...");
        show(editorCore.search.findAll(pattern, options(), progress));
    }
    showMatches();
}

void jumpToMatch(int item)
{
    if (item >= 0) {
        show(editorCore.search.selectListed(static_cast<std::size_t>(item)));
    }
}

int selectedListItem()
{
    return static_cast<int>(SendDlgItemMessageW(dialog.window, replaceMatchList, LVM_GETNEXTITEM,
                                                static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// A row of the match list, asked for as it is drawn.
void describeMatch(NMLVDISPINFOW& info)
{
    if ((info.item.mask & LVIF_TEXT) == 0 || info.item.iItem < 0) {
        return;
    }
    const ListedRow row = editorCore.search.listedRow(static_cast<std::size_t>(info.item.iItem));
    const std::string& narrow = info.item.iSubItem == 0 ? row.offset : row.bytes;
    const std::wstring text(narrow.begin(), narrow.end());
    lstrcpynW(info.item.pszText, text.c_str(), info.item.cchTextMax);
}

void initialize(HWND window)
{
    dialog.window = window;
    for (const int field : {replaceFindField, replaceWithField}) {
        // Past the edit control's default of 30,000 characters, so that a long text is not cut.
        SendDlgItemMessageW(window, field, EM_SETLIMITTEXT, searchFieldLimit, 0);
    }
    CheckRadioButton(window, replaceHexButton, replaceUtf16Button, replaceHexButton);
    const HWND list = GetDlgItem(window, replaceMatchList);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    RECT units{0, 0, offsetColumnWidth, bytesColumnWidth};
    MapDialogRect(window, &units); // the widths grow with the dialog's font
    addListColumn(list, 0, L"Offset", units.right / 2);
    addListColumn(list, 1, L"Bytes", units.bottom / 2);
    addModelessWindow(window);
}

INT_PTR onCommand(WORD id)
{
    switch (id) {
    case replaceFindNextButton: // also Enter: in the list it goes to the match
        if (GetFocus() == GetDlgItem(dialog.window, replaceMatchList)) {
            jumpToMatch(selectedListItem());
        } else {
            onFindNext();
        }
        return TRUE;
    case replaceOneButton:
        onReplace();
        return TRUE;
    case replaceAllButton:
        onReplaceAll();
        return TRUE;
    case replaceFindAllButton:
        onFindAll();
        return TRUE;
    case replaceInSelectionBox:
        editorCore.search.scopeToSelection();
        return TRUE;
    case IDCANCEL:
        DestroyWindow(dialog.window);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK replaceDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        initialize(window);
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_MAXTEXT) {
            setStatus(searchFieldFullText());
            return TRUE;
        }
        return onCommand(LOWORD(wParam));
    case WM_NOTIFY: {
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.idFrom != static_cast<UINT_PTR>(replaceMatchList)) {
            return FALSE;
        }
        if (header.code == LVN_GETDISPINFOW) {
            describeMatch(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
        } else if (header.code == NM_DBLCLK) {
            jumpToMatch(reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem);
        }
        return TRUE;
    }
    case WM_DESTROY:
        removeModelessWindow(window);
        editorCore.search.dialogClosed();
        dialog = DialogState{};
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void openReplaceDialog(HWND frame)
{
    if (dialog.window == nullptr) {
        CreateDialogParamW(editorCore.instance, L"NibReplaceDlg", GetAncestor(frame, GA_ROOT), replaceDialogProc, 0);
        if (dialog.window == nullptr) {
            return;
        }
    }
    ShowWindow(dialog.window, SW_SHOW);
    SetActiveWindow(dialog.window);
    SendDlgItemMessageW(dialog.window, replaceFindField, EM_SETSEL, 0, -1);
    SetFocus(GetDlgItem(dialog.window, replaceFindField));
}

void closeReplaceDialog()
{
    if (dialog.window != nullptr) {
        DestroyWindow(dialog.window);
    }
}
