// Equal stretches are passed over sixteen bytes at a time with SSE2 (eight,
// as words, without it); only a block holding a difference is read byte by byte.
#include "document/Differences.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

#if defined(__SSE2__)
constexpr std::int64_t blockBytes = 16;
constexpr unsigned allEqual = 0xFFFF;

// Bit i set where byte i of the two blocks is equal.
unsigned equalMask(const std::uint8_t* a, const std::uint8_t* b)
{
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, y)));
}

bool blocksEqual(const std::uint8_t* a, const std::uint8_t* b)
{
    return equalMask(a, b) == allEqual;
}

// The differing bytes of `blocks` whole blocks. Each lane counts its equal
// bytes, 255 blocks at most before the lanes are summed, so nothing is
// counted byte by byte.
std::int64_t differingInBlocks(const std::uint8_t* a, const std::uint8_t* b, std::int64_t blocks)
{
    constexpr std::int64_t blocksPerSum = 255;
    std::int64_t equal = 0;
    for (std::int64_t done = 0; done < blocks;) {
        const std::int64_t stop = std::min(blocks, done + blocksPerSum);
        __m128i lanes = _mm_setzero_si128();
        for (; done < stop; ++done) {
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + done * blockBytes));
            const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + done * blockBytes));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(x, y)); // an equal byte's lane goes up by one
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        equal += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
    }
    return blocks * blockBytes - equal;
}
#else
constexpr std::int64_t blockBytes = 8;

std::uint64_t loadWord(const std::uint8_t* at)
{
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

bool blocksEqual(const std::uint8_t* a, const std::uint8_t* b)
{
    return loadWord(a) == loadWord(b);
}

std::int64_t differingInBlocks(const std::uint8_t* a, const std::uint8_t* b, std::int64_t blocks)
{
    constexpr std::uint64_t lowSeven = 0x7F7F7F7F7F7F7F7F;
    std::int64_t count = 0;
    for (std::int64_t block = 0; block < blocks; ++block) {
        const std::uint64_t x = loadWord(a + block * blockBytes) ^ loadWord(b + block * blockBytes);
        // The high bit of each byte set where that byte of x is not zero.
        count += __builtin_popcountll((((x & lowSeven) + lowSeven) | x) & ~lowSeven);
    }
    return count;
}
#endif

// The first offset in [from, end) where the two differ, or end.
std::int64_t firstDifferent(const std::uint8_t* a, const std::uint8_t* b, std::int64_t from, std::int64_t end)
{
    while (end - from >= blockBytes && blocksEqual(a + from, b + from)) {
        from += blockBytes;
    }
    while (from < end && a[from] == b[from]) {
        ++from;
    }
    return from;
}

// The first offset in [from, end) where the two are equal, or end.
std::int64_t firstEqual(const std::uint8_t* a, const std::uint8_t* b, std::int64_t from, std::int64_t end)
{
    while (from < end && a[from] != b[from]) {
        ++from;
    }
    return from;
}

// The last offset in [begin, before) where the two differ, or begin - 1.
std::int64_t lastDifferent(const std::uint8_t* a, const std::uint8_t* b, std::int64_t begin, std::int64_t before)
{
    while (before - begin >= blockBytes && blocksEqual(a + before - blockBytes, b + before - blockBytes)) {
        before -= blockBytes;
    }
    while (before > begin && a[before - 1] == b[before - 1]) {
        --before;
    }
    return before - 1;
}

// Where the run of differing bytes that `at` lies in starts.
std::int64_t runStart(const std::uint8_t* document, const std::uint8_t* other, std::int64_t common, std::int64_t at)
{
    if (at >= common) {
        at = common; // the bytes past the other's end are one run with the differences just before them
    }
    while (at > 0 && document[at - 1] != other[at - 1]) {
        --at;
    }
    return at;
}

} // namespace

std::int64_t countDifferences(const std::uint8_t* document, std::int64_t size, const std::uint8_t* other,
                              std::int64_t otherSize)
{
    const std::int64_t common = std::min(size, otherSize);
    std::int64_t count = std::max<std::int64_t>(size - otherSize, 0);
    const std::int64_t blocks = common / blockBytes;
    count += differingInBlocks(document, other, blocks);
    for (std::int64_t at = blocks * blockBytes; at < common; ++at) {
        count += document[at] != other[at] ? 1 : 0;
    }
    return count;
}

DifferenceRun nextDifference(const std::uint8_t* document, std::int64_t size, const std::uint8_t* other,
                             std::int64_t otherSize, std::int64_t offset)
{
    const std::int64_t common = std::min(size, otherSize);
    std::int64_t at = std::max<std::int64_t>(offset, 0); // before the first byte there is no run to pass over
    if (offset >= 0 && at >= common) {
        return {}; // in the bytes past the other's end, the last run, or past the document
    }
    if (offset >= 0 && document[at] != other[at]) {
        at = firstEqual(document, other, at, common); // past the run the offset is in
        if (at == common) {
            return {}; // it goes on to the end
        }
    }
    const std::int64_t first = firstDifferent(document, other, at, common);
    if (first == common) {
        return common < size ? DifferenceRun{common, size - common} : DifferenceRun{};
    }
    const std::int64_t end = firstEqual(document, other, first, common);
    // A run reaching the other's end goes on over the document's bytes past it.
    return {first, (end == common ? size : end) - first};
}

DifferenceRun previousDifference(const std::uint8_t* document, std::int64_t size, const std::uint8_t* other,
                                 std::int64_t otherSize, std::int64_t offset)
{
    const std::int64_t common = std::min(size, otherSize);
    const std::int64_t before = std::min(offset, size);
    if (before <= 0) {
        return {};
    }
    std::int64_t last = before - 1;
    if (last < common) {
        last = lastDifferent(document, other, 0, before);
    }
    if (last < 0) {
        return {};
    }
    const std::int64_t first = runStart(document, other, common, last);
    const std::int64_t end = first < common ? firstEqual(document, other, first, common) : size;
    return {first, (end == common ? size : end) - first};
}
