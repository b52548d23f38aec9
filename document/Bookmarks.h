#pragma once
// The offsets of the bytes the user marked, kept in order and moved with
// their bytes as bytes are inserted or removed before them.
#include <cstdint>
#include <vector>

#include "document/RunGaps.h"

class Bookmarks {
public:
    // Marks the byte, or unmarks it when marked; true when it is marked now.
    bool toggle(std::int32_t offset);
    bool has(std::int32_t offset) const;
    bool empty() const { return offsets_.empty(); }
    void clear() { offsets_.clear(); }
    const std::vector<std::int32_t>& offsets() const { return offsets_; }

    // The first mark after `offset`, else the first of all; -1 without marks.
    std::int32_t next(std::int32_t offset) const;
    // The last mark before `offset`, else the last of all; -1 without marks.
    std::int32_t previous(std::int32_t offset) const;
    // The marks in [first, end).
    std::vector<std::int32_t> within(std::int32_t first, std::int32_t end) const;

    // `count` bytes inserted at `offset`: the marks from there on move with their bytes.
    void inserted(std::int32_t offset, std::int32_t count);
    // `count` bytes removed at `offset`: their marks go, the later ones move back.
    void removed(std::int32_t offset, std::int32_t count);
    // Marks given back to bytes put back where they were.
    void restore(const std::vector<std::int32_t>& marks);
    // Runs of `fromLength` bytes made `toLength` long: later marks move by
    // the change before them; a mark past a run's new length goes with the
    // bytes it was on.
    void runsReplaced(const RunGaps& runs, std::int32_t fromLength, std::int32_t toLength);
    // The marks runsReplaced would take away, where they are now.
    std::vector<std::int32_t> lostBy(const RunGaps& runs, std::int32_t fromLength, std::int32_t toLength) const;

private:
    std::vector<std::int32_t> offsets_; // ascending, no repeats
};
