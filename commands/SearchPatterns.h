#pragma once
// The Find and Replace dialog's fields as patterns and bytes, and the texts
// its status line and match list show.
#include <cstdint>
#include <string>
#include <vector>

#include "document/PatternSearch.h"

// ANSI bytes, exactly or in either case as the folding gives it.
SearchPattern textPattern(const std::string& ansi, bool matchCase, const CaseFolding& folding);

// UTF-16 text as little-endian units; `otherCase` holds each unit's other
// case. A unit whose cases differ only in their low byte matches either; one
// whose high bytes differ too matches as typed, as bytes cannot pair them.
SearchPattern utf16Pattern(const std::u16string& units, const std::u16string& otherCase, bool matchCase);
std::vector<std::uint8_t> utf16Bytes(const std::u16string& units);

// The bytes of a pattern without wildcards, as Replace with writes them.
std::vector<std::uint8_t> patternBytes(const SearchPattern& pattern);

// "Replaced 1,234 occurrences."
std::string replacedText(std::int64_t count);
// "1,234 matches.", or "Showing the first 100,000 of 123,456 matches."
std::string matchesText(std::int64_t total, std::size_t listed);
// The first 16 bytes of a match in hex, for the match list.
std::string matchBytesText(const std::uint8_t* bytes, std::size_t count);
// A match's offset in hex, for the match list.
std::string matchOffsetText(std::int64_t offset);
