// The Find and Replace dialog: its fields read into patterns, each button's
// core operation, and the results in its status line and match list.
#include "commands/win32/ReplaceDialog.h"

#include <commctrl.h>

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "commands/SearchPatterns.h"
#include "commands/SearchText.h"
#include "commands/win32/ListColumns.h"
#include "document/win32/BusyCursor.h"
#include "editor/EditorCore.h"
#include "editor/StatusLine.h"
#include "editor/win32/MessageBoxes.h"
#include "editor/win32/ModelessWindows.h"
#include "editor/win32/TextConversion.h"
#include "resources/ResourceIds.h"

namespace {

constexpr std::size_t listedMatchLimit = 100000;
constexpr int offsetColumnWidth = 90;
constexpr int bytesColumnWidth = 330;

struct DialogState {
    HWND window = nullptr;
    std::vector<std::int64_t> matches; // Find All's, as listed
    std::size_t matchLength = 0;
    ByteRange range;             // what In selection searches
    ByteRange selectedMatch{-1}; // the match this dialog selected last
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

// In selection: the selection as it was when the box was checked, or when
// the user selected again since this dialog's last match.
ByteRange searchRange()
{
    EditorCore& core = editorCore;
    if (!checked(replaceInSelectionBox)) {
        return core.searchRange(false);
    }
    const ByteRange selected = core.selectedBytes();
    if (selected.count > 0 && (selected.first != dialog.selectedMatch.first ||
                               selected.count != dialog.selectedMatch.count)) {
        dialog.range = selected;
    }
    return dialog.range;
}

bool findNext(const SearchPattern& pattern)
{
    EditorCore& core = editorCore;
    core.lastSearch = {pattern, true};
    const bool found = core.findAndSelect(pattern, checked(replaceBackwardBox), searchRange());
    if (found) {
        dialog.selectedMatch = core.selectedBytes();
    }
    setStatus(found ? "" : "Not found.");
    return found;
}

void tellReplaceFailure(ReplaceOutcome outcome)
{
    if (outcome == ReplaceOutcome::tooLarge) {
        showMessage("The replacements would make the document larger than 2,147,483,647 bytes. Nothing was replaced.",
                    "Find and Replace", MB_OK | MB_ICONWARNING);
    } else if (outcome == ReplaceOutcome::noMemory) {
        showMessage("Not enough memory to replace. Nothing was replaced.", "Find and Replace",
                    MB_OK | MB_ICONWARNING);
    }
}

void onFindNext()
{
    const SearchPattern pattern = findPattern();
    if (!pattern.empty()) {
        findNext(pattern);
    }
}

void onReplace()
{
    EditorCore& core = editorCore;
    const SearchPattern pattern = findPattern();
    std::vector<std::uint8_t> replacement;
    if (pattern.empty() || !replacementBytes(replacement)) {
        return;
    }
    if (core.selectionIsMatch(pattern)) {
        const ReplaceOutcome outcome = core.replaceSelectedMatch(pattern, replacement);
        if (outcome != ReplaceOutcome::replaced) {
            tellReplaceFailure(outcome);
            return;
        }
        // Forward, the next search starts after what was put there.
        if (!checked(replaceBackwardBox)) {
            core.setCursorOffset(core.cursorOffset + static_cast<std::int32_t>(replacement.size()));
        }
    }
    findNext(pattern);
}

void onReplaceAll()
{
    EditorCore& core = editorCore;
    const SearchPattern pattern = findPattern();
    std::vector<std::uint8_t> replacement;
    if (pattern.empty() || !replacementBytes(replacement)) {
        return;
    }
    ReplaceAllResult result;
    const ByteRange range = searchRange();
    try {
        const BusyCursor busy(core.buffer.size);
        result = core.replaceAll(pattern, replacement, range);
    } catch (const std::bad_alloc&) {
        result.outcome = ReplaceOutcome::noMemory;
    }
    if (result.outcome == ReplaceOutcome::replaced) {
        setStatus(result.count == 0 ? "Not found." : replacedText(result.count));
        // In selection goes on over what the selected bytes became.
        const std::int64_t growth =
            result.count * (static_cast<std::int64_t>(replacement.size()) - static_cast<std::int64_t>(pattern.size()));
        dialog.range = {range.first, static_cast<std::int32_t>(range.count + growth)};
    } else {
        tellReplaceFailure(result.outcome);
    }
}

void showMatches()
{
    const HWND list = GetDlgItem(dialog.window, replaceMatchList);
    SendMessageW(list, LVM_SETITEMCOUNT, dialog.matches.size(), 0);
    InvalidateRect(list, nullptr, TRUE);
}

void onFindAll()
{
    EditorCore& core = editorCore;
    const SearchPattern pattern = findPattern();
    if (pattern.empty()) {
        return;
    }
    core.lastSearch = {pattern, true};
    const ByteRange range = searchRange();
    try {
        const BusyCursor busy(core.buffer.size);
        MatchList found = findAll(core.buffer.data.get(), range.first,
                                  static_cast<std::int64_t>(range.first) + range.count, pattern, listedMatchLimit);
        dialog.matches = std::move(found.offsets);
        dialog.matchLength = pattern.size();
        setStatus(found.total == 0 ? "Not found." : matchesText(found.total, dialog.matches.size()));
    } catch (const std::bad_alloc&) {
        dialog.matches.clear();
        setStatus("Not enough memory to list the matches.");
    }
    showMatches();
}

void jumpToMatch(int item)
{
    if (item < 0 || static_cast<std::size_t>(item) >= dialog.matches.size()) {
        return;
    }
    EditorCore& core = editorCore;
    const std::int64_t offset = dialog.matches[static_cast<std::size_t>(item)];
    if (offset + static_cast<std::int64_t>(dialog.matchLength) > core.buffer.size) {
        return; // the document has shrunk since
    }
    core.selectRange(offset, static_cast<std::int64_t>(dialog.matchLength));
    dialog.selectedMatch = core.selectedBytes();
}

int selectedListItem()
{
    return static_cast<int>(SendDlgItemMessageW(dialog.window, replaceMatchList, LVM_GETNEXTITEM,
                                                static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// A row of the match list, asked for as it is drawn.
void describeMatch(NMLVDISPINFOW& info)
{
    static std::wstring text;
    const auto item = static_cast<std::size_t>(info.item.iItem);
    if ((info.item.mask & LVIF_TEXT) == 0 || item >= dialog.matches.size()) {
        return;
    }
    const std::int64_t offset = dialog.matches[item];
    const FileBuffer& buffer = editorCore.buffer;
    std::string narrow;
    if (info.item.iSubItem == 0) {
        narrow = matchOffsetText(offset);
    } else if (offset < buffer.size) {
        narrow = matchBytesText(buffer.data.get() + offset,
                                static_cast<std::size_t>(std::min<std::int64_t>(buffer.size - offset,
                                                                                 static_cast<std::int64_t>(dialog.matchLength))));
    }
    text.assign(narrow.begin(), narrow.end());
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
        dialog.range = editorCore.searchRange(true);
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

HWND replaceDialogWindow()
{
    return dialog.window;
}
