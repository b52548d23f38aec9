#pragma once
// Searching the document as both Find dialogs and F3 do it. It keeps the last
// search of either dialog (its pattern, and the Find dialog's text form) and
// the Find and Replace dialog's session: the bytes "In selection" keeps to,
// the match the dialog selected last, and the matches Find All listed. Each
// button and key is one operation here; what it did comes back as text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "commands/SearchText.h"
#include "document/ByteRange.h"
#include "document/PatternSearch.h"
#include "document/Progress.h"
#include "editor/Prompts.h"

struct EditorCore;

enum class FindOutcome {
    found,              // the cursor is on the match, the view shows it
    notFound,           // the pattern is nowhere in the document
    onlyEarlierMatches, // it is there, but only where the last matches were
};

enum class ReplaceOutcome {
    replaced, // the runs hold the replacement, as one change
    declined, // too large to undo, and the user chose not to: nothing changed
    tooLarge, // the document would pass its 32-bit size: nothing changed
    noMemory, // no memory for the rebuilt document: nothing changed
    readOnly, // the document was opened read-only: nothing changed
    cancelled, // the user cancelled the work's progress: nothing changed
};

// What Replace All did: the outcome, and how many matches it replaced.
struct ReplaceAllResult {
    ReplaceOutcome outcome = ReplaceOutcome::replaced;
    std::int64_t count = 0;
};

struct SearchOptions {
    bool backward = false;
    bool inSelection = false;
};

// What a button of Find and Replace did, for its status line; a warning is
// also put to the user in a message box.
struct SearchReport {
    std::string status;
    bool warning = false;
};

// The Find dialog's text, in the form it is written in.
struct TypedSearch {
    std::string text;
    SearchForm form = SearchForm::ascii;
};

// What F3, or the Find dialog's search, leaves to the shell. The message is
// told by the shell once its busy cursor is gone.
struct FindReport {
    bool askForText = false; // nothing to search for yet: the Find dialog asks
    Message message;         // none when its text is empty
};

// A row of Find All's list: the match's offset and its first bytes, in hex.
struct ListedRow {
    std::string offset;
    std::string bytes;
};

class SearchSession {
public:
    explicit SearchSession(EditorCore& core) : core_(&core) {}

    // --- The Find dialog and F3 (commands/Find.cpp) ---
    // What the Find dialog opens with: the last text it searched, in the form
    // it was written in, so that it reads the same again; characters before
    // the first search.
    TypedSearch findDialogText() const;
    // The Find dialog's text taken as the next search: false, with the user
    // told why, when it gives no bytes, as an empty pattern would match anywhere.
    bool takeFindText(const TypedSearch& typed);
    // F3 (forward) and Shift+F3: the last search of either dialog again. The
    // Find dialog's forward goes from the cursor's row in the form the text
    // was typed in; any other from the cursor, wrapping once, selecting the match.
    FindReport searchAgain(bool backward);
    // Find: the next occurrence from the cursor's row on (wrapping once),
    // passing over the last match; the cursor goes to it and the view
    // scrolls it to the top.
    FindOutcome findFromCursorRow(const std::vector<std::uint8_t>& pattern);

    // --- The Find and Replace dialog (commands/SearchSession.cpp) ---
    // "In selection" checked: the selected bytes become the scope; none when nothing is selected.
    void scopeToSelection();
    // The next match selected (the previous one backward), wrapping once.
    SearchReport findNext(const SearchPattern& pattern, SearchOptions options);
    // The selected match replaced and the next one selected; without a
    // selected match, the next one is only selected, for the next Replace.
    SearchReport replace(const SearchPattern& pattern, const std::vector<std::uint8_t>& replacement,
                         SearchOptions options);
    // Replace All and Find All scan in steps told to the progress; cancelled, nothing changes.
    SearchReport replaceAll(const SearchPattern& pattern, const std::vector<std::uint8_t>& replacement,
                            SearchOptions options, Progress& progress = noProgress());
    // The matches listed, up to `listedMatchLimit`.
    SearchReport findAll(const SearchPattern& pattern, SearchOptions options, Progress& progress = noProgress());
    // A listed match selected in the editor; refused, selecting nothing, once
    // the document has changed since the list was made.
    SearchReport selectListed(std::size_t item);
    // The dialog closed: its scope, its match and its list go with it.
    void dialogClosed();

    static constexpr std::size_t listedMatchLimit = 100000;
    const std::vector<std::int64_t>& listed() const { return dialog_.listed; }
    // A listed match as its row shows it; empty past the list.
    ListedRow listedRow(std::size_t item) const;

    // --- Matching and replacing (commands/FindReplace.cpp) ---
    // The whole document, or the selected bytes.
    ByteRange searchRange(bool inSelection) const;
    // The next match after the cursor (the previous one before it) within
    // the range, wrapping once; it is selected and shown. False, moving
    // nothing, when there is none.
    bool findAndSelect(const SearchPattern& pattern, bool backward, ByteRange range);
    // The selection is exactly a match of the pattern.
    bool selectionIsMatch(const SearchPattern& pattern) const;
    // Replace: the selected match replaced as one change, the cursor on it.
    ReplaceOutcome replaceSelectedMatch(const SearchPattern& pattern, const std::vector<std::uint8_t>& replacement);
    // Every non-overlapping match in the range replaced, as one change; the
    // cursor at the range's start. Throws std::bad_alloc, changing nothing,
    // when the matches cannot be listed. The scan goes in steps told to the
    // progress; cancelled, nothing changes.
    ReplaceAllResult replaceAllIn(const SearchPattern& pattern, const std::vector<std::uint8_t>& replacement,
                                  ByteRange range, Progress& progress = noProgress());

private:
    // The bytes a button works on; false when "In selection" has none.
    bool rangeFor(bool inSelection, ByteRange& range);
    void noteSelectedMatch();
    void rememberDialogSearch(const SearchPattern& pattern);

    EditorCore* core_;
    // The last search of either dialog, for F3 and Shift+F3; the Find
    // dialog's text itself is the document's (FileBuffer::lastSearchText).
    SearchPattern lastPattern_;
    bool lastFromReplaceDialog_ = false;
    SearchForm lastForm_ = SearchForm::ascii;
    // What the Find and Replace dialog keeps while it is open.
    struct DialogState {
        ByteRange scope;                  // what "In selection" keeps to; none while its count is 0
        ByteRange selectedMatch{-1, 0};   // the match the dialog selected last
        std::vector<std::int64_t> listed; // Find All's, as listed
        std::size_t listedLength = 0;
        std::uint64_t listedAt = 0;       // the history's changes when the list was made
    } dialog_;
};
