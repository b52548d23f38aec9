// Candidates for a match come from one or two positions of the pattern,
// tested a block of starts at a time, or, for a long pattern, from skips over
// starts its key rules out; from a candidate the key's automaton reads on
// until it loses track, so no byte is read twice however the data repeats
// the pattern.
#include "document/PatternSearch.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "document/PatternKey.h"
#include "document/PatternPrefilter.h"

namespace {

using namespace prefilter;

constexpr int caseDistance = 'a' - 'A';
constexpr int hexDigitBits = 4;
constexpr int firstHexLetterValue = 10;
constexpr char wildcard = '?';

// A pattern prepared for scanning in one direction. Its two best positions
// are tested together, a block of starts at a time, so that a byte common in
// the data alone brings few candidates.
class PatternScan {
public:
    PatternScan(const SearchPattern& pattern, PatternKey::Direction direction)
        : length_(static_cast<std::ptrdiff_t>(pattern.size()))
    {
        // The best rank wins: the first position among equals for the anchor,
        // the last for the other, since far apart bytes depend less on each other.
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            const Anchor candidate{static_cast<std::ptrdiff_t>(i), rankOf(pattern[i]), pattern[i].value,
                                   pattern[i].alternative};
            if (candidate.rank < anchor_.rank) {
                other_ = anchor_.rank < other_.rank ? anchor_ : other_;
                anchor_ = candidate;
            } else if (candidate.rank <= other_.rank) {
                other_ = candidate;
            }
        }
        settledByMask_ = blockMarksExact;
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            const auto at = static_cast<std::ptrdiff_t>(i);
            const bool tested = at == anchor_.offset || (other_.rank != Rank::any && at == other_.offset);
            settledByMask_ = settledByMask_ && (tested || pattern[i].any);
        }
        if (!matchesEverywhere()) {
            key_.emplace(pattern, direction);
        }
    }

    // Whether every position accepts any byte, and so matches everywhere.
    bool matchesEverywhere() const { return anchor_.rank == Rank::any; }

    // The first match starting in [from, lastStart], or -1.
    std::int64_t next(const std::uint8_t* data, std::int64_t from, std::int64_t lastStart) const
    {
        std::int64_t found = -1;
        forEach(data, from, lastStart, [&](std::int64_t match) {
            found = match;
            return false;
        });
        return found;
    }

    // Calls `onMatch` with each non-overlapping match starting in
    // [from, lastStart], from the left, while it returns true.
    template <class OnMatch>
    void forEach(const std::uint8_t* data, std::int64_t from, std::int64_t lastStart, const OnMatch& onMatch) const
    {
        if (matchesEverywhere()) {
            for (std::int64_t at = from; at <= lastStart && onMatch(at); at += length_) {
            }
            return;
        }
        withWordTest(anchor_.first, anchor_.second, [&](const auto& anchorTest) {
            if (other_.rank == Rank::any) {
                forEachByBlocks(data, from, lastStart, anchorTest, AnyByte{}, onMatch);
                return;
            }
            withWordTest(other_.first, other_.second, [&](const auto& otherTest) {
                forEachByBlocks(data, from, lastStart, anchorTest, otherTest, onMatch);
            });
        });
    }

    // The last match starting in [firstStart, lastStart], or -1: the anchor
    // looked for backward, and the key read backward from each one found.
    std::int64_t previous(const std::uint8_t* data, std::int64_t firstStart, std::int64_t lastStart) const
    {
        if (matchesEverywhere()) {
            return lastStart;
        }
        const auto first = static_cast<std::ptrdiff_t>(firstStart);
        const std::uint8_t* low = data + first + anchor_.offset;
        auto last = static_cast<std::ptrdiff_t>(lastStart); // no match starts after it
        while (last >= first) {
            const std::uint8_t* hit = withWordTest(anchor_.first, anchor_.second, [&](const auto& test) {
                return scanBackward(low, data + last + anchor_.offset + 1, test, anchor_.first, anchor_.second);
            });
            if (hit == nullptr) {
                return -1;
            }
            const KeyRun run = key_->backward(data, hit - anchor_.offset - data, first);
            if (run.match >= 0) {
                return run.match;
            }
            last = run.resume;
        }
        return -1;
    }

private:
    // A block of starts at a time, skipped unless both positions may hold
    // their bytes, or many starts at once where the key rules them out; from
    // each start left in the mask the key is read on. One pass finds every
    // match, so a dense run of them costs no restart each.
    template <class AnchorTest, class OtherTest, class OnMatch>
    void forEachByBlocks(const std::uint8_t* data, std::int64_t from, std::int64_t lastStart,
                         const AnchorTest& anchorTest, const OtherTest& otherTest, const OnMatch& onMatch) const
    {
        const auto last = static_cast<std::ptrdiff_t>(lastStart);
        const std::uint8_t* start = data + static_cast<std::ptrdiff_t>(from);
        const std::uint8_t* stop = data + last + 1;
        // No match starts before this: they do not overlap, and the key has ruled out the rest.
        const std::uint8_t* allowed = start;
        // Candidate starts in [at, at + chunkBytes), bit i for at+i.
        const auto candidates = [&](const std::uint8_t* at) {
            ChunkMask mask = 0;
#if defined(__SSE2__)
            // Most chunks hold no candidate: one test of the whole chunk settles them.
            __m128i hits[chunkBytes / blockBytes];
            __m128i anyHit = _mm_setzero_si128();
            for (std::ptrdiff_t block = 0; block < chunkBytes / blockBytes; ++block) {
                hits[block] = _mm_and_si128(anchorTest.blockHits(at + block * blockBytes + anchor_.offset),
                                            otherTest.blockHits(at + block * blockBytes + other_.offset));
                anyHit = _mm_or_si128(anyHit, hits[block]);
            }
            if (_mm_movemask_epi8(anyHit) == 0) {
                return mask;
            }
            for (std::ptrdiff_t block = 0; block < chunkBytes / blockBytes; ++block) {
                mask |= static_cast<ChunkMask>(static_cast<BlockMask>(_mm_movemask_epi8(hits[block])))
                        << (block * blockBytes);
            }
            return mask;
#endif
            for (std::ptrdiff_t block = 0; block < chunkBytes; block += blockBytes) {
                const BlockMask marks = anchorTest.blockMarks(at + block + anchor_.offset) &
                                        otherTest.blockMarks(at + block + other_.offset);
                mask |= static_cast<ChunkMask>(marks) << block;
            }
            return mask;
        };
        // Whether to go on after `candidate`; `masked` when it came from a chunk's mask.
        const auto check = [&](const std::uint8_t* candidate, bool masked) {
            if (candidate < allowed) {
                return true;
            }
            if (masked && settledByMask_) {
                allowed = candidate + length_;
                return static_cast<bool>(onMatch(candidate - data));
            }
            const KeyRun run = key_->forward(data, candidate - data, last);
            allowed = data + run.resume;
            return run.match < 0 || static_cast<bool>(onMatch(run.match));
        };
        const bool skips = key_->skips();
        while (stop - start >= chunkBytes) {
            const std::ptrdiff_t skip = skips ? key_->skipFrom(start, stop) : 0;
            if (skip >= chunkBytes) {
                start += skip;
                continue;
            }
            for (ChunkMask mask = candidates(start); mask != 0; mask &= mask - 1) {
                if (!check(start + __builtin_ctzll(mask), true)) {
                    return;
                }
            }
            start = std::max(start + chunkBytes, allowed);
        }
        for (const std::uint8_t* candidate = std::max(start, allowed); candidate < stop; candidate = allowed) {
            if (!check(candidate, false)) {
                return;
            }
        }
    }

    std::ptrdiff_t length_;
    Anchor anchor_;
    Anchor other_;
    // Whether a start in a chunk's mask is a match without a check: the mask
    // is exact and tests every position that does not accept any byte.
    bool settledByMask_ = false;
    std::optional<PatternKey> key_; // none when the pattern matches everywhere
};

int hexDigitValue(char digit)
{
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + firstHexLetterValue;
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + firstHexLetterValue;
    }
    return -1;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Whether a pattern of `length` bytes may start anywhere in [first, lastStart].
// One longer than a document can be matches nothing (the key's automaton counts in 32 bits).
bool searchable(std::int64_t length, std::int64_t first, std::int64_t lastStart)
{
    return length > 0 && length <= std::numeric_limits<std::int32_t>::max() && first <= lastStart;
}

} // namespace

CaseFolding asciiCaseFolding()
{
    CaseFolding folding{};
    for (std::size_t byte = 0; byte < folding.size(); ++byte) {
        folding[byte] = static_cast<std::uint8_t>(byte);
    }
    for (int upper = 'A'; upper <= 'Z'; ++upper) {
        folding[static_cast<std::size_t>(upper)] = static_cast<std::uint8_t>(upper + caseDistance);
        folding[static_cast<std::size_t>(upper + caseDistance)] = static_cast<std::uint8_t>(upper);
    }
    return folding;
}

SearchPattern exactPattern(const std::vector<std::uint8_t>& bytes)
{
    SearchPattern pattern;
    pattern.reserve(bytes.size());
    for (const std::uint8_t byte : bytes) {
        pattern.push_back({byte, byte, false});
    }
    return pattern;
}

SearchPattern caselessPattern(const std::vector<std::uint8_t>& bytes, const CaseFolding& folding)
{
    SearchPattern pattern;
    pattern.reserve(bytes.size());
    for (const std::uint8_t byte : bytes) {
        pattern.push_back({byte, folding[byte], false});
    }
    return pattern;
}

SearchPattern parseHexPattern(const std::string& text, bool wildcards, std::string& error)
{
    error.clear();
    SearchPattern pattern;
    pattern.reserve(text.size() / 2 + 1);
    std::size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i])) {
            ++i;
            continue;
        }
        // A blank ends a pair too: "4 1" is two lone digits, not 0x41.
        const bool paired = i + 1 < text.size() && !isBlank(text[i + 1]);
        const char first = text[i];
        const char second = paired ? text[i + 1] : '\0';
        if (wildcards && first == wildcard && second == wildcard) {
            pattern.push_back({0, 0, true});
            i += 2;
            continue;
        }
        const int high = hexDigitValue(first);
        const int low = paired ? hexDigitValue(second) : -1;
        if (high < 0 || low < 0) {
            error = "\"" + text.substr(i, paired ? 2 : 1) + "\" is not a hex byte.";
            return {};
        }
        const auto byte = static_cast<std::uint8_t>(high << hexDigitBits | low);
        pattern.push_back({byte, byte, false});
        i += 2;
    }
    return pattern;
}

std::int64_t findForward(const std::uint8_t* data, std::int64_t from, std::int64_t end, const SearchPattern& pattern)
{
    const auto length = static_cast<std::int64_t>(pattern.size());
    from = std::max<std::int64_t>(from, 0);
    if (!searchable(length, from, end - length)) {
        return -1;
    }
    return PatternScan(pattern, PatternKey::Direction::forward).next(data, from, end - length);
}

std::int64_t findBackward(const std::uint8_t* data, std::int64_t begin, std::int64_t before, std::int64_t end,
                          const SearchPattern& pattern)
{
    const auto length = static_cast<std::int64_t>(pattern.size());
    begin = std::max<std::int64_t>(begin, 0);
    const std::int64_t lastStart = std::min(before - 1, end - length);
    if (!searchable(length, begin, lastStart)) {
        return -1;
    }
    return PatternScan(pattern, PatternKey::Direction::backward).previous(data, begin, lastStart);
}

namespace {

// The matches starting in [begin, lastStart], non-overlapping from the left,
// scanned a progressStep of starts at a time; false when the user cancels.
template <class OnMatch>
bool scanInSteps(const PatternScan& scan, const std::uint8_t* data, std::int64_t begin, std::int64_t lastStart,
                 std::int64_t length, Progress& progress, const OnMatch& onMatch)
{
    constexpr auto step = static_cast<std::int64_t>(progressStep);
    Stepper stepper(progress, lastStart + 1 - begin);
    std::int64_t allowed = begin; // where the next match may start
    for (std::int64_t from = begin; from <= lastStart; from += step) {
        const std::int64_t to = std::min(lastStart, from + step - 1);
        if (!stepper.next(static_cast<std::size_t>(to + 1 - from))) {
            return false;
        }
        if (allowed <= to) {
            scan.forEach(data, std::max(from, allowed), to, [&](std::int64_t match) {
                allowed = match + length;
                onMatch(match);
                return true;
            });
        }
    }
    return stepper.finish();
}

} // namespace

MatchList findAll(const std::uint8_t* data, std::int64_t begin, std::int64_t end, const SearchPattern& pattern,
                  std::size_t keep, Progress& progress)
{
    MatchList matches;
    const auto length = static_cast<std::int64_t>(pattern.size());
    begin = std::max<std::int64_t>(begin, 0);
    if (!searchable(length, begin, end - length)) {
        return matches;
    }
    const PatternScan scan(pattern, PatternKey::Direction::forward);
    if (scan.matchesEverywhere()) {
        // Every step of `length` bytes is a match: counted, not scanned.
        matches.total = (end - begin) / length;
        for (std::int64_t i = 0; i < matches.total && matches.offsets.size() < keep; ++i) {
            matches.offsets.push_back(begin + i * length);
        }
        return matches;
    }
    matches.cancelled = !scanInSteps(scan, data, begin, end - length, length, progress, [&](std::int64_t match) {
        if (matches.offsets.size() < keep) {
            matches.offsets.push_back(match);
        }
        ++matches.total;
    });
    if (matches.cancelled) {
        return {{}, 0, true};
    }
    return matches;
}

std::int64_t forEachMatch(const std::uint8_t* data, std::int64_t begin, std::int64_t end,
                          const SearchPattern& pattern, const MatchVisitor& visit, Progress& progress)
{
    const auto length = static_cast<std::int64_t>(pattern.size());
    begin = std::max<std::int64_t>(begin, 0);
    if (!searchable(length, begin, end - length)) {
        return 0;
    }
    const PatternScan scan(pattern, PatternKey::Direction::forward); // prepared once for the whole run
    const std::int64_t lastStart = end - length;
    // Handed over in batches: a call per match would cost more than finding it.
    constexpr std::size_t batchSize = 1024;
    std::array<std::int64_t, batchSize> batch;
    std::size_t batched = 0;
    std::int64_t count = 0;
    const bool finished = scanInSteps(scan, data, begin, lastStart, length, progress, [&](std::int64_t match) {
        batch[batched++] = match;
        if (batched == batchSize) {
            visit(batch.data(), batched);
            count += static_cast<std::int64_t>(batched);
            batched = 0;
        }
    });
    if (!finished) {
        return -1;
    }
    if (batched > 0) {
        visit(batch.data(), batched);
        count += static_cast<std::int64_t>(batched);
    }
    return count;
}
