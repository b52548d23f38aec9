#pragma once
// Searching bytes for a pattern whose positions may each accept one byte, a
// byte in either of two cases, or any byte: forward, backward, or every
// non-overlapping match in a range. The Find and Replace dialog's searches.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "document/Progress.h"

// One position of a pattern: the byte, another it also accepts (the same byte
// when there is none), or any byte at all.
struct PatternByte {
    std::uint8_t value = 0;
    std::uint8_t alternative = 0;
    bool any = false;

    bool accepts(std::uint8_t candidate) const { return any || candidate == value || candidate == alternative; }
};
using SearchPattern = std::vector<PatternByte>;

// For each byte, its other case (the byte itself when it has none): ASCII
// letters, and the letters of the ANSI code page that the shell adds.
using CaseFolding = std::array<std::uint8_t, 256>;
CaseFolding asciiCaseFolding();

// Exact bytes, or bytes of either case where `folding` gives one.
SearchPattern exactPattern(const std::vector<std::uint8_t>& bytes);
SearchPattern caselessPattern(const std::vector<std::uint8_t>& bytes, const CaseFolding& folding);

// Hex bytes: pairs of hex digits, blanks between pairs optional; "??" is any
// byte where `wildcards` allows it. On failure `error` says why ("Find what is
// empty." is the caller's; here: "\"4g\" is not a hex byte.") and nothing is returned.
SearchPattern parseHexPattern(const std::string& text, bool wildcards, std::string& error);

// The first match starting at or after `from` and ending by `end`; -1 when none.
std::int64_t findForward(const std::uint8_t* data, std::int64_t from, std::int64_t end,
                         const SearchPattern& pattern);
// The last match starting at or after `begin` and before `before`, ending by
// `end`; -1 when none.
std::int64_t findBackward(const std::uint8_t* data, std::int64_t begin, std::int64_t before, std::int64_t end,
                          const SearchPattern& pattern);

// Every non-overlapping match in [begin, end), from the left: the offsets of
// the first `keep`, and how many there are; scanned in steps told to the
// progress, and none at all once the user cancels.
struct MatchList {
    std::vector<std::int64_t> offsets;
    std::int64_t total = 0;
    bool cancelled = false;
};
MatchList findAll(const std::uint8_t* data, std::int64_t begin, std::int64_t end, const SearchPattern& pattern,
                  std::size_t keep, Progress& progress = noProgress());

// Every non-overlapping match in [begin, end), from the left, handed to
// `visit` a batch of ascending offsets at a time; returns how many. Bytes
// before the end of a batch's last match may change in between, so the
// caller can rewrite as it goes. Scanned in steps told to the progress: -1,
// the matches after the last batch not visited, when the user cancels.
using MatchVisitor = std::function<void(const std::int64_t* matches, std::size_t count)>;
std::int64_t forEachMatch(const std::uint8_t* data, std::int64_t begin, std::int64_t end,
                          const SearchPattern& pattern, const MatchVisitor& visit, Progress& progress = noProgress());
