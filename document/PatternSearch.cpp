// Candidates for a match come from one or two positions of the pattern,
// found with memchr or eight bytes at a time; the whole pattern is checked
// only there, so a search runs near memory speed between candidates.
#include "document/PatternSearch.h"

#include <algorithm>
#include <functional>
#include <cstring>

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

// The bytes one position accepts, eight at a time: marked as zeroBytes
// marks them, so a marked word's bytes are read again one by one.
// The two cases of a letter differ in one bit; with that bit set, both read
// as one byte and a word takes one comparison. Equal bytes differ in none.
struct MergedBytes {
    Word merged;
    Word target;
    Word marks(Word word) const { return zeroBytes((word | merged) ^ target); }
};

struct EitherByte {
    Word first;
    Word second;
    Word marks(Word word) const { return zeroBytes(word ^ first) | zeroBytes(word ^ second); }
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

// The first of the two bytes in [at, stop).
template <class WordTest>
const std::uint8_t* scanForward(const std::uint8_t* at, const std::uint8_t* stop, const WordTest& test,
                                std::uint8_t first, std::uint8_t second)
{
    while (stop - at >= wordBytes && (test.marks(load(at)) & highBits) == 0) {
        at += wordBytes;
    }
    for (; at < stop; ++at) {
        if (*at == first || *at == second) {
            return at;
        }
    }
    return nullptr;
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

// A pattern prepared for scanning. A rare exact byte is found with memchr;
// otherwise two positions are tested together, eight starts at a time, so
// that a byte common in the data alone brings few candidates.
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
    }

    // Whether every position accepts any byte, and so matches everywhere.
    bool matchesEverywhere() const { return anchor_.rank == Rank::any; }

    // The first match starting in [from, lastStart], or -1.
    std::int64_t next(const std::uint8_t* data, std::int64_t from, std::int64_t lastStart) const
    {
        if (matchesEverywhere()) {
            return from;
        }
        const bool exact = anchor_.first == anchor_.second;
        if (other_.rank == Rank::any || (exact && anchor_.rank == Rank::exactRare)) {
            return nextFromAnchor(data, from, lastStart, exact);
        }
        return withWordTest(anchor_.first, anchor_.second, [&](const auto& anchorTest) {
            return withWordTest(other_.first, other_.second, [&](const auto& otherTest) {
                return nextFromPair(data, from, lastStart, anchorTest, otherTest);
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

    std::int64_t nextFromAnchor(const std::uint8_t* data, std::int64_t from, std::int64_t lastStart,
                                bool exact) const
    {
        const std::uint8_t* at = data + static_cast<std::ptrdiff_t>(from) + anchor_.offset;
        const std::uint8_t* stop = data + static_cast<std::ptrdiff_t>(lastStart) + anchor_.offset + 1;
        while (at < stop) {
            const std::uint8_t* hit =
                exact ? static_cast<const std::uint8_t*>(
                            std::memchr(at, anchor_.first, static_cast<std::size_t>(stop - at)))
                      : withWordTest(anchor_.first, anchor_.second, [&](const auto& test) {
                            return scanForward(at, stop, test, anchor_.first, anchor_.second);
                        });
            if (hit == nullptr) {
                return -1;
            }
            const std::uint8_t* start = hit - anchor_.offset;
            if (matchesAt(start)) {
                return start - data;
            }
            at = hit + 1;
        }
        return -1;
    }

    // Eight starts at a time, skipped unless both positions may hold their
    // bytes; every start of a marked word is checked in full.
    template <class AnchorTest, class OtherTest>
    std::int64_t nextFromPair(const std::uint8_t* data, std::int64_t from, std::int64_t lastStart,
                              const AnchorTest& anchorTest, const OtherTest& otherTest) const
    {
        const std::uint8_t* start = data + static_cast<std::ptrdiff_t>(from);
        const std::uint8_t* stop = data + static_cast<std::ptrdiff_t>(lastStart) + 1;
        const auto marked = [&](const std::uint8_t* at) {
            return anchorTest.marks(load(at + anchor_.offset)) & otherTest.marks(load(at + other_.offset));
        };
        for (;;) {
            // Two words a step while neither is marked: the loop's own cost halves.
            while (stop - start >= 2 * wordBytes && ((marked(start) | marked(start + wordBytes)) & highBits) == 0) {
                start += 2 * wordBytes;
            }
            if (stop - start < wordBytes) {
                break;
            }
            if ((marked(start) & highBits) != 0) {
                for (std::ptrdiff_t i = 0; i < wordBytes; ++i) {
                    if (matchesAt(start + i)) {
                        return start + i - data;
                    }
                }
            }
            start += wordBytes;
        }
        for (; start < stop; ++start) {
            if (matchesAt(start)) {
                return start - data;
            }
        }
        return -1;
    }

    const SearchPattern& pattern_;
    Anchor anchor_;
    Anchor other_;
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
    const std::int64_t lastStart = end - length;
    std::int64_t at = scan.next(data, begin, lastStart);
    while (at != -1) {
        if (matches.offsets.size() < keep) {
            matches.offsets.push_back(at);
        }
        ++matches.total;
        at = at + length <= lastStart ? scan.next(data, at + length, lastStart) : -1;
    }
    return matches;
}

std::int64_t forEachMatch(const std::uint8_t* data, std::int64_t begin, std::int64_t end,
                          const SearchPattern& pattern, const std::function<void(std::int64_t)>& visit)
{
    const auto length = static_cast<std::int64_t>(pattern.size());
    begin = std::max<std::int64_t>(begin, 0);
    if (length == 0 || begin > end - length) {
        return 0;
    }
    const PatternScan scan(pattern); // prepared once for the whole run
    const std::int64_t lastStart = end - length;
    std::int64_t count = 0;
    for (std::int64_t at = scan.next(data, begin, lastStart); at != -1;
         at = at + length <= lastStart ? scan.next(data, at + length, lastStart) : -1) {
        visit(at);
        ++count;
    }
    return count;
}
