#pragma once
// A comparison of the document with another file: that file's bytes as they
// were read, and the run of differing bytes that F6 or Shift+F6 stepped to
// last, so that stepping again moves on from it.
#include <cstdint>

#include "document/Differences.h"
#include "document/FileBuffer.h"

class Comparison {
public:
    // Going on while it has the other file's name.
    bool active() const { return !other_.name.empty(); }
    // The other file, named; its size is 0 while there is none.
    const FileBuffer& other() const { return other_; }

    // The other file takes the place of any compared before; no run stepped to yet.
    void begin(FileBuffer&& other);
    void end();

    // The next run of differing bytes for a cursor at `cursor`: the one
    // starting there unless it is selected or was stepped to last (then the
    // one after it). The run found is remembered; none, a run with first -1.
    DifferenceRun next(const std::uint8_t* document, std::int64_t size, std::int64_t cursor, bool selected);
    // The last run that starts before the cursor, remembered as well.
    DifferenceRun previous(const std::uint8_t* document, std::int64_t size, std::int64_t cursor);

private:
    DifferenceRun stepped(DifferenceRun run);

    FileBuffer other_;
    DifferenceRun last_; // stepped to last
};
