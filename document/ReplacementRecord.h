#pragma once
// What undo needs of runs replaced at once: where the matches lay, the bytes
// they had, the bytes that replaced them, and the bookmarks that went with the
// bytes a shortened match lost. The matches of an exact pattern all had the
// same bytes, which are then kept once.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/RunGaps.h"

struct ReplacementRecord {
    RunGaps runs;
    std::int32_t matchLength = 0;
    std::vector<std::uint8_t> matched; // each match's bytes in turn, or the one form all had
    bool matchesAlike = false;
    std::vector<std::uint8_t> replacement;
    std::vector<std::int32_t> lostMarks; // where they were before the replacement

    std::int32_t replacementLength() const { return static_cast<std::int32_t>(replacement.size()); }
    // How far the old bytes go on from one match to the next.
    std::size_t matchedStride() const { return matchesAlike ? 0 : static_cast<std::size_t>(matchLength); }
    // The bytes it keeps.
    std::int64_t size() const;

    // The matches' bytes as the document has them now, once when all are the
    // same, and the replacement. Throws std::bad_alloc.
    void keepBytes(const std::uint8_t* document, const std::vector<std::uint8_t>& replacementBytes);
};
