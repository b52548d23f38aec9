#pragma once
// The Find and Replace dialog's session over the editor: the bytes "In
// selection" keeps to, the match the dialog selected last, and the matches
// Find All listed. Each button is one operation here; what it did comes back
// as the text of the dialog's status line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/PatternSearch.h"
#include "editor/EditorCore.h"
#include "view/Editing.h"

struct SearchOptions {
    bool backward = false;
    bool inSelection = false;
};

// What a button did, for the status line; a warning is also put to the user
// in a message box.
struct SearchReport {
    std::string status;
    bool warning = false;
};

class SearchSession {
public:
    explicit SearchSession(EditorCore& core) : core_(&core) {}

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

    static constexpr std::size_t listedMatchLimit = 100000;
    const std::vector<std::int64_t>& listed() const { return listed_; }
    std::size_t listedLength() const { return listedLength_; }

private:
    // The bytes a button works on; false when "In selection" has none.
    bool rangeFor(bool inSelection, ByteRange& range);
    void noteSelectedMatch() { selectedMatch_ = selectedBytes(*core_); }

    EditorCore* core_;
    ByteRange scope_;                  // what "In selection" keeps to; none while its count is 0
    ByteRange selectedMatch_{-1, 0};   // the match this session selected last
    std::vector<std::int64_t> listed_; // Find All's, as listed
    std::size_t listedLength_ = 0;
    std::uint64_t listedAt_ = 0;       // the history's changes when the list was made
};
