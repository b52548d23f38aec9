// Candidates for a match come from one or two positions of the pattern,
// tested a block of starts at a time (sixteen with SSE2, else eight); the
// whole pattern is checked only there, so a search runs near memory speed
// between candidates.
#include "document/PatternSearch.h"

#include <algorithm>
#include <array>
#include <functional>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr int caseDistance = 'a' - 'A';
constexpr int hexDigitBits = 4;
constexpr int firstHexLetterValue = 10;
constexpr char wildcardPair[] = "??";

using Word = std::uint64_t;
constexpr std::ptrdiff_t wordBytes = sizeof(Word);
constexpr Word lowBits = 0x0101010101010101;
constexpr Word highBits = 0x8080808080808080;

Word everyByte(std::uint8_t byte)
{
    return lowBits * byte;
}

// The high bit of each zero byte of `word` set: the first exactly, later
// ones perhaps also for a byte that is not zero (a borrow runs upward).
// The other bits are noise, cleared with highBits once for several tests.
Word zeroBytes(Word word)
{
    return (word - lowBits) & ~word;
}

Word load(const std::uint8_t* at)
{
    Word word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

#if defined(__SSE2__)
constexpr std::ptrdiff_t blockBytes = 16;
constexpr bool blockMarksExact = true;

__m128i loadBlock(const std::uint8_t* at)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

__m128i blockOf(Word word)
{
    return _mm_set1_epi8(static_cast<char>(word & 0xFF));
}
#else
constexpr std::ptrdiff_t blockBytes = wordBytes;
constexpr bool blockMarksExact = false;
constexpr unsigned wholeWordMask = 0xFF;
#endif
using BlockMask = unsigned;
// Several blocks are tested before any branch, so that a sparse match costs
// one mispredicted branch rather than one a block.
using ChunkMask = std::uint64_t;
constexpr std::ptrdiff_t chunkBytes = blockMarksExact ? 4 * blockBytes : blockBytes;

// The bytes one position accepts, eight at a time: marked as zeroBytes
// marks them, so a marked word's bytes are read again one by one.
// The two cases of a letter differ in one bit; with that bit set, both read
// as one byte and a word takes one comparison. Equal bytes differ in none.
// blockMarks gives the same for a block of starts as a mask, bit i for the
// start at+i: exact with SSE2, else every start of a marked word.
struct MergedBytes {
    Word merged;
    Word target;
    Word marks(Word word) const { return zeroBytes((word | merged) ^ target); }
#if defined(__SSE2__)
    BlockMask blockMarks(const std::uint8_t* at) const
    {
        const __m128i block = _mm_or_si128(loadBlock(at), blockOf(merged));
        return static_cast<BlockMask>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, blockOf(target))));
    }
#else
    BlockMask blockMarks(const std::uint8_t* at) const { return (marks(load(at)) & highBits) != 0 ? wholeWordMask : 0; }
#endif
};

struct EitherByte {
    Word first;
    Word second;
    Word marks(Word word) const { return zeroBytes(word ^ first) | zeroBytes(word ^ second); }
#if defined(__SSE2__)
    BlockMask blockMarks(const std::uint8_t* at) const
    {
        const __m128i block = loadBlock(at);
        return static_cast<BlockMask>(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(block, blockOf(first)), _mm_cmpeq_epi8(block, blockOf(second)))));
    }
#else
    BlockMask blockMarks(const std::uint8_t* at) const { return (marks(load(at)) & highBits) != 0 ? wholeWordMask : 0; }
#endif
};

// A test that passes every start: the second position of a pattern that has none.
struct AnyByte {
    static constexpr BlockMask everyStart = (1U << blockBytes) - 1;
    BlockMask blockMarks(const std::uint8_t*) const { return everyStart; }
};

bool oneBitApart(std::uint8_t first, std::uint8_t second)
{
    const unsigned difference = first ^ second;
    return (difference & (difference - 1)) == 0;
}

// Calls `action` with the cheapest word test for the two bytes.
template <class Action>
auto withWordTest(std::uint8_t first, std::uint8_t second, const Action& action)
{
    if (oneBitApart(first, second)) {
        return action(MergedBytes{everyByte(static_cast<std::uint8_t>(first ^ second)),
                                  everyByte(static_cast<std::uint8_t>(first | second))});
    }
    return action(EitherByte{everyByte(first), everyByte(second)});
}

// The last of the two bytes in [low, stop).
template <class WordTest>
const std::uint8_t* scanBackward(const std::uint8_t* low, const std::uint8_t* stop, const WordTest& test,
                                 std::uint8_t first, std::uint8_t second)
{
    while (stop - low >= wordBytes && (test.marks(load(stop - wordBytes)) & highBits) == 0) {
        stop -= wordBytes;
    }
    while (stop > low) {
        --stop;
        if (*stop == first || *stop == second) {
            return stop;
        }
    }
    return nullptr;
}

// Zero and 0xFF fill much of a binary file, and zero and the space much of
// any text: poor anchors, since almost every one is a false candidate.
bool commonByte(std::uint8_t byte)
{
    return byte == 0x00 || byte == 0xFF || byte == ' ';
}

// How good a position is at ruling out candidates, best first.
enum class Rank { exactRare, eitherCase, exactCommon, any };

Rank rankOf(const PatternByte& p)
{
    if (p.any) {
        return Rank::any;
    }
    if (p.value != p.alternative) {
        return Rank::eitherCase;
    }
    return commonByte(p.value) ? Rank::exactCommon : Rank::exactRare;
}

// A position whose bytes are looked for.
struct Anchor {
    std::ptrdiff_t offset = 0;
    Rank rank = Rank::any;
    std::uint8_t first = 0;
    std::uint8_t second = 0;
};

// A pattern prepared for scanning. Its two best positions are tested
// together, a block of starts at a time, so that a byte common in the data
// alone brings few candidates.
class PatternScan {
public:
    explicit PatternScan(const SearchPattern& pattern) : pattern_(pattern)
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
            const auto length = static_cast<std::int64_t>(pattern_.size());
            for (std::int64_t at = from; at <= lastStart && onMatch(at); at += length) {
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

    // The last match starting in [firstStart, lastStart], or -1.
    std::int64_t previous(const std::uint8_t* data, std::int64_t firstStart, std::int64_t lastStart) const
    {
        if (matchesEverywhere()) {
            return lastStart;
        }
        const std::uint8_t* low = data + static_cast<std::ptrdiff_t>(firstStart) + anchor_.offset;
        const std::uint8_t* stop = data + static_cast<std::ptrdiff_t>(lastStart) + anchor_.offset + 1;
        while (stop > low) {
            const std::uint8_t* hit = withWordTest(anchor_.first, anchor_.second, [&](const auto& test) {
                return scanBackward(low, stop, test, anchor_.first, anchor_.second);
            });
            if (hit == nullptr) {
                return -1;
            }
            const std::uint8_t* start = hit - anchor_.offset;
            if (matchesAt(start)) {
                return start - data;
            }
            stop = hit;
        }
        return -1;
    }

private:
    bool matchesAt(const std::uint8_t* start) const
    {
        for (std::size_t i = 0; i < pattern_.size(); ++i) {
            if (!pattern_[i].accepts(start[i])) {
                return false;
            }
        }
        return true;
    }

    // A block of starts at a time, skipped unless both positions may hold
    // their bytes; each start left in the mask is checked in full. One pass
    // finds every match, so a dense run of them costs no restart each.
    template <class AnchorTest, class OtherTest, class OnMatch>
    void forEachByBlocks(const std::uint8_t* data, std::int64_t from, std::int64_t lastStart,
                         const AnchorTest& anchorTest, const OtherTest& otherTest, const OnMatch& onMatch) const
    {
        const auto length = static_cast<std::ptrdiff_t>(pattern_.size());
        const std::uint8_t* start = data + static_cast<std::ptrdiff_t>(from);
        const std::uint8_t* stop = data + static_cast<std::ptrdiff_t>(lastStart) + 1;
        const std::uint8_t* allowed = start; // matches do not overlap: none starts before this
        // Candidate starts in [at, at + chunkBytes), bit i for at+i.
        const auto candidates = [&](const std::uint8_t* at) {
            ChunkMask mask = 0;
            for (std::ptrdiff_t block = 0; block < chunkBytes; block += blockBytes) {
                const BlockMask marks = anchorTest.blockMarks(at + block + anchor_.offset) &
                                        otherTest.blockMarks(at + block + other_.offset);
                mask |= static_cast<ChunkMask>(marks) << block;
            }
            return mask;
        };
        // Whether to go on after `candidate`; `masked` when it came from a chunk's mask.
        const auto check = [&](const std::uint8_t* candidate, bool masked) {
            if (candidate < allowed || !((masked && settledByMask_) || matchesAt(candidate))) {
                return true;
            }
            allowed = candidate + length;
            return static_cast<bool>(onMatch(candidate - data));
        };
        while (stop - start >= chunkBytes) {
            for (ChunkMask mask = candidates(start); mask != 0; mask &= mask - 1) {
                if (!check(start + __builtin_ctzll(mask), true)) {
                    return;
                }
            }
            start = std::max(start + chunkBytes, allowed);
        }
        for (; start < stop; ++start) {
            if (!check(start, false)) {
                return;
            }
        }
    }

    const SearchPattern& pattern_;
    Anchor anchor_;
    Anchor other_;
    // Whether a start in a chunk's mask is a match without a check: the mask
    // is exact and tests every position that does not accept any byte.
    bool settledByMask_ = false;
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
    std::size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i])) {
            ++i;
            continue;
        }
        // A blank ends a pair too: "4 1" is two lone digits, not 0x41.
        const std::size_t pairLength = i + 1 < text.size() && !isBlank(text[i + 1]) ? 2 : 1;
        const std::string pair = text.substr(i, pairLength);
        i += pairLength;
        if (wildcards && pair == wildcardPair) {
            pattern.push_back({0, 0, true});
            continue;
        }
        const int high = hexDigitValue(pair[0]);
        const int low = pairLength == 2 ? hexDigitValue(pair[1]) : -1;
        if (high < 0 || low < 0) {
            error = "\"" + pair + "\" is not a hex byte.";
            return {};
        }
        const auto byte = static_cast<std::uint8_t>(high << hexDigitBits | low);
        pattern.push_back({byte, byte, false});
    }
    return pattern;
}

std::int64_t findForward(const std::uint8_t* data, std::int64_t from, std::int64_t end, const SearchPattern& pattern)
{
    const auto length = static_cast<std::int64_t>(pattern.size());
    from = std::max<std::int64_t>(from, 0);
    if (length == 0 || from > end - length) {
        return -1;
    }
    return PatternScan(pattern).next(data, from, end - length);
}

std::int64_t findBackward(const std::uint8_t* data, std::int64_t begin, std::int64_t before, std::int64_t end,
                          const SearchPattern& pattern)
{
    const auto length = static_cast<std::int64_t>(pattern.size());
    begin = std::max<std::int64_t>(begin, 0);
    const std::int64_t lastStart = std::min(before - 1, end - length);
    if (length == 0 || lastStart < begin) {
        return -1;
    }
    return PatternScan(pattern).previous(data, begin, lastStart);
}

MatchList findAll(const std::uint8_t* data, std::int64_t begin, std::int64_t end, const SearchPattern& pattern,
                  std::size_t keep)
{
    MatchList matches;
    const auto length = static_cast<std::int64_t>(pattern.size());
    begin = std::max<std::int64_t>(begin, 0);
    if (length == 0 || begin > end - length) {
        return matches;
    }
    const PatternScan scan(pattern);
    if (scan.matchesEverywhere()) {
        // Every step of `length` bytes is a match: counted, not scanned.
        matches.total = (end - begin) / length;
        for (std::int64_t i = 0; i < matches.total && matches.offsets.size() < keep; ++i) {
            matches.offsets.push_back(begin + i * length);
        }
        return matches;
    }
    scan.forEach(data, begin, end - length, [&](std::int64_t match) {
        if (matches.offsets.size() < keep) {
            matches.offsets.push_back(match);
        }
        ++matches.total;
        return true;
    });
    return matches;
}

std::int64_t forEachMatch(const std::uint8_t* data, std::int64_t begin, std::int64_t end,
                          const SearchPattern& pattern, const MatchVisitor& visit)
{
    const auto length = static_cast<std::int64_t>(pattern.size());
    begin = std::max<std::int64_t>(begin, 0);
    if (length == 0 || begin > end - length) {
        return 0;
    }
    const PatternScan scan(pattern); // prepared once for the whole run
    const std::int64_t lastStart = end - length;
    // Handed over in batches: a call per match would cost more than finding it.
    constexpr std::size_t batchSize = 1024;
    std::array<std::int64_t, batchSize> batch;
    std::size_t batched = 0;
    std::int64_t count = 0;
    scan.forEach(data, begin, lastStart, [&](std::int64_t match) {
        batch[batched++] = match;
        if (batched == batchSize) {
            visit(batch.data(), batched);
            count += static_cast<std::int64_t>(batched);
            batched = 0;
        }
        return true;
    });
    if (batched > 0) {
        visit(batch.data(), batched);
        count += static_cast<std::int64_t>(batched);
    }
    return count;
}
