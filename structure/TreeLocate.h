#pragma once
// Which field holds a byte of the file: the deepest node of the parsed tree
// whose bytes include an offset. Only what lies on the way down is read:
// fields by their spans, elements of lazy repeats by arithmetic, others by
// binary search, and parse instances only where no seq field holds the byte.
#include "structure/ParseSession.h"

#include <optional>
#include <string>

namespace structure {

struct Location {
    std::string path; // as errors name it: "chunks[3].body.width"; "" for the root
    Span span;
    const Attribute* attribute = nullptr; // null for the root
};

// The span lies in the file's own bytes, not in bytes a `process` step decoded.
bool inFile(const Span& span);

// Nothing when no node holds the byte. Fields within the decoded bytes of a
// processed field are not in the file, so the processed field is the answer.
// Instances read on the way that fail are noted in the session and passed over.
std::optional<Location> locate(ParseSession& session, std::uint64_t offset);

} // namespace structure
