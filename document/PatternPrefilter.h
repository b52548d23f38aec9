#pragma once
// The cheap tests that rule out most starts of a pattern before its bytes are
// read in order: one or two of its positions tested a block of starts at a
// time (sixteen with SSE2, else eight), and a byte looked for backward a word
// at a time.
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "document/PatternSearch.h"

namespace prefilter {

using Word = std::uint64_t;
constexpr std::ptrdiff_t wordBytes = sizeof(Word);
constexpr Word lowBits = 0x0101010101010101;
constexpr Word highBits = 0x8080808080808080;

inline Word everyByte(std::uint8_t byte)
{
    return lowBits * byte;
}

// The high bit of each zero byte of `word` set: the first exactly, later
// ones perhaps also for a byte that is not zero (a borrow runs upward).
// The other bits are noise, cleared with highBits once for several tests.
inline Word zeroBytes(Word word)
{
    return (word - lowBits) & ~word;
}

inline Word load(const std::uint8_t* at)
{
    Word word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

#if defined(__SSE2__)
constexpr std::ptrdiff_t blockBytes = 16;
constexpr bool blockMarksExact = true;

inline __m128i loadBlock(const std::uint8_t* at)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

inline __m128i blockOf(Word word)
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
// The blocks are made once: a call in the scan's loop leaves no vector
// register kept, and making them again for each chunk costs more than a load.
struct MergedBytes {
    Word merged;
    Word target;
    Word marks(Word word) const { return zeroBytes((word | merged) ^ target); }
#if defined(__SSE2__)
    __m128i mergedBlock = blockOf(merged);
    __m128i targetBlock = blockOf(target);
    // The block's starts that hold the byte, as all-ones lanes.
    __m128i blockHits(const std::uint8_t* at) const
    {
        return _mm_cmpeq_epi8(_mm_or_si128(loadBlock(at), mergedBlock), targetBlock);
    }
    BlockMask blockMarks(const std::uint8_t* at) const
    {
        return static_cast<BlockMask>(_mm_movemask_epi8(blockHits(at)));
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
    __m128i firstBlock = blockOf(first);
    __m128i secondBlock = blockOf(second);
    __m128i blockHits(const std::uint8_t* at) const
    {
        const __m128i block = loadBlock(at);
        return _mm_or_si128(_mm_cmpeq_epi8(block, firstBlock), _mm_cmpeq_epi8(block, secondBlock));
    }
    BlockMask blockMarks(const std::uint8_t* at) const
    {
        return static_cast<BlockMask>(_mm_movemask_epi8(blockHits(at)));
    }
#else
    BlockMask blockMarks(const std::uint8_t* at) const { return (marks(load(at)) & highBits) != 0 ? wholeWordMask : 0; }
#endif
};

// A test that passes every start: the second position of a pattern that has none.
struct AnyByte {
    static constexpr BlockMask everyStart = (1U << blockBytes) - 1;
    BlockMask blockMarks(const std::uint8_t*) const { return everyStart; }
#if defined(__SSE2__)
    __m128i blockHits(const std::uint8_t*) const { return _mm_set1_epi8(-1); }
#endif
};

inline bool oneBitApart(std::uint8_t first, std::uint8_t second)
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
inline bool commonByte(std::uint8_t byte)
{
    return byte == 0x00 || byte == 0xFF || byte == ' ';
}

// How good a position is at ruling out candidates, best first.
enum class Rank { exactRare, eitherCase, exactCommon, any };

inline Rank rankOf(const PatternByte& p)
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

} // namespace prefilter
