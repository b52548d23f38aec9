// Pattern searches against a plain scan of the same rules, and hex patterns read from text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "document/PatternSearch.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t noAny = ~std::size_t{0};

bool matchesAt(const Bytes& data, std::int64_t at, const SearchPattern& p)
{
    std::size_t i = 0;
    while (i < p.size() && p[i].accepts(data[static_cast<std::size_t>(at) + i])) {
        ++i;
    }
    return i == p.size();
}

// Compares all three searches with plain scans over [begin, end), backward from `before`.
void expectLikeReference(const Bytes& data, const SearchPattern& p, std::int64_t begin, std::int64_t before,
                         std::int64_t end, std::size_t keep)
{
    const auto length = static_cast<std::int64_t>(p.size());
    std::int64_t forward = -1, backward = -1;
    std::vector<std::int64_t> all;
    for (std::int64_t at = begin; length > 0 && at + length <= end; ++at) {
        if (matchesAt(data, at, p)) {
            forward = all.empty() ? at : forward;
            all.push_back(at);
            at += length - 1;
        }
    }
    for (std::int64_t at = std::min(before - 1, end - length); backward == -1 && length > 0 && at >= begin; --at) {
        backward = matchesAt(data, at, p) ? at : -1;
    }
    const MatchList list = findAll(data.data(), begin, end, p, keep);
    EXPECT_EQ(findForward(data.data(), begin, end, p), forward);
    EXPECT_EQ(findBackward(data.data(), begin, before, end, p), backward);
    EXPECT_EQ(list.total, static_cast<std::int64_t>(all.size()));
    all.resize(std::min(keep, all.size()));
    EXPECT_EQ(list.offsets, all);
}

// '?' is any byte when `wildcards`.
SearchPattern pattern(const std::string& text, bool caseless, bool wildcards)
{
    const Bytes bytes(text.begin(), text.end());
    SearchPattern p = caseless ? caselessPattern(bytes, asciiCaseFolding()) : exactPattern(bytes);
    for (PatternByte& b : p) {
        b.any = wildcards && b.value == '?';
    }
    return p;
}

TEST(PatternSearch, HandCasesMatchWhereExpected)
{
    using Offsets = std::vector<std::int64_t>;
    const Bytes text = {'x', 'A', 'b', 'C', 'a', 'b', 'c', '?'}, utf16 = {'A', 0, 'x', 'a', 0, 'B', 0, 'b', 0};
    const struct { Bytes data; SearchPattern p; Offsets all; } cases[] = {
        {text, pattern("abc", false, false), {4}}, {text, pattern("abc", true, false), {1, 4}},
        {text, pattern("a?c", false, true), {4}}, {text, pattern("c?", false, false), {6}},
        {text, pattern("?B?", true, true), {1, 4}}, {text, pattern("??", false, true), {0, 2, 4, 6}},
        {utf16, pattern(std::string("a\0b\0", 4), true, false), {3}}, {utf16, exactPattern({0, 'b'}), {6}},
        {Bytes(4, 'a'), pattern("aa", false, false), {0, 2}},
    };
    for (const auto& c : cases) {
        const auto size = static_cast<std::int64_t>(c.data.size());
        EXPECT_EQ(findForward(c.data.data(), 0, size, c.p), c.all.front());
        EXPECT_EQ(findAll(c.data.data(), 0, size, c.p, c.all.size() + 1).offsets, c.all);
        expectLikeReference(c.data, c.p, 0, size, size, 2);
    }
}

// Small alphabets make matches, near misses and word-spanning runs common;
// the pattern's bytes cover exact, either-of-two (one bit apart or more) and any.
// Every fourth pattern is a few bytes and then a short period repeated, up to
// longer than a chunk of starts, in data made of it and its prefixes: there a
// wrong border or skip of the key's automaton passes over a match.
TEST(PatternSearch, RandomSearchesAgreeWithPlainScans)
{
    const std::uint8_t alphabet[] = {'a', 'A', 'b', 0x00, 0xFF};
    std::mt19937 random(7);
    const auto pick = [&](std::size_t below) { return static_cast<std::size_t>(random() % below); };
    const auto randomByte = [&] { return alphabet[pick(sizeof alphabet)]; };
    constexpr std::size_t rounds = 20000, longestData = 80, longestPattern = 5, longestPeriodic = 150;
    for (std::size_t round = 0; round < rounds; ++round) {
        const bool periodic = round % 4 == 0;
        SearchPattern p(pick((periodic ? longestPeriodic : longestPattern) + 1));
        const std::size_t head = periodic ? pick(4) : p.size(), period = pick(4) + 1;
        for (std::size_t i = 0; i < p.size(); ++i) {
            p[i] = i >= head + period ? p[i - period] : PatternByte{randomByte(), randomByte(), pick(4) == 0};
            p[i].alternative = i < head + period && pick(2) == 0 ? p[i].value : p[i].alternative;
        }
        Bytes data(periodic ? 0 : pick(longestData + 1));
        std::generate(data.begin(), data.end(), randomByte);
        while (periodic && data.size() < 3 * p.size() + longestData) {
            for (std::size_t i = 0, prefix = pick(3) == 0 ? p.size() : pick(p.size() + 1); i < prefix; ++i) {
                data.push_back(pick(2) == 0 ? p[i].alternative : p[i].value);
            }
            data.push_back(randomByte());
        }
        const auto bound = [&] { return static_cast<std::int64_t>(pick(data.size() + 1)); };
        std::int64_t range[] = {bound(), bound(), bound()};
        std::sort(std::begin(range), std::end(range));
        expectLikeReference(data, p, range[0], pick(2) == 0 ? range[1] : range[2], range[2], pick(4));
        // From several starts: the skips land differently from each.
        const auto size = static_cast<std::int64_t>(data.size()), length = static_cast<std::int64_t>(p.size());
        for (std::int64_t from = 0, first = 0; periodic && length > 64 && from < 8; ++from, first = from) {
            while (first + length <= size && !matchesAt(data, first, p)) {
                ++first;
            }
            EXPECT_EQ(findForward(data.data(), from, size, p), first + length <= size ? first : -1);
        }
        ASSERT_FALSE(HasFailure()) << "round " << round;
    }
}

// The pattern's first 3,000 bytes lie earlier in the data: read once, as
// exact bytes, either case, and with wildcards.
TEST(PatternSearch, FindsALongPeriodicPatternPastADecoyOfItsStart)
{
    constexpr std::size_t length = 4096, period = 97, decoyAt = 100, decoyLength = 3000, matchAt = 20000;
    Bytes text(length), data(matchAt + length + 50, 'x');
    for (std::size_t i = 0; i < length; ++i) {
        text[i] = i % period == period - 1 ? 'R' : 'Q';
    }
    std::copy_n(text.begin(), decoyLength, data.begin() + decoyAt);
    std::copy(text.begin(), text.end(), data.begin() + matchAt);
    SearchPattern wildcards = exactPattern(text);
    for (std::size_t i = 0; i < length; i += 500) {
        wildcards[i].any = true;
    }
    const auto size = static_cast<std::int64_t>(data.size());
    for (const SearchPattern& p : {exactPattern(text), caselessPattern(text, asciiCaseFolding()), wildcards}) {
        EXPECT_EQ(findForward(data.data(), 0, size, p), static_cast<std::int64_t>(matchAt));
        EXPECT_EQ(findBackward(data.data(), 0, size, size, p), static_cast<std::int64_t>(matchAt));
        EXPECT_EQ(findAll(data.data(), 0, size, p, 2).offsets, std::vector<std::int64_t>{matchAt});
    }
}

TEST(PatternSearch, CaseFoldingSwapsAsciiLettersOnly)
{
    const CaseFolding folding = asciiCaseFolding();
    for (std::size_t byte = 0; byte < folding.size(); ++byte) {
        const int b = static_cast<int>(byte);
        EXPECT_EQ(folding[byte], std::islower(b) ? std::toupper(b) : std::isupper(b) ? std::tolower(b) : b) << b;
    }
}

TEST(PatternSearch, ReadsHexPairs)
{
    const struct { const char* text; bool wildcards; Bytes bytes; std::size_t anyAt; const char* error; } cases[] = {
        {"4d5A", false, {0x4D, 0x5A}, noAny, ""}, {" 4D\t5a 00 ", false, {0x4D, 0x5A, 0}, noAny, ""},
        {"4D ??00", true, {0x4D, 0, 0}, 1, ""}, {" \t", false, {}, noAny, ""},
        {"4g", false, {}, noAny, "\"4g\" is not a hex byte."}, {"41 4", false, {}, noAny, "\"4\" is not a hex byte."},
        {"4 1", false, {}, noAny, "\"4\" is not a hex byte."}, {"??", false, {}, noAny, "\"??\" is not a hex byte."},
        {"4?", true, {}, noAny, "\"4?\" is not a hex byte."},
    };
    for (const auto& c : cases) {
        std::string error = "stale";
        const SearchPattern p = parseHexPattern(c.text, c.wildcards, error);
        EXPECT_EQ(error, c.error) << c.text;
        ASSERT_EQ(p.size(), c.bytes.size()) << c.text;
        for (std::size_t i = 0; i < p.size(); ++i) {
            EXPECT_EQ(p[i].any, i == c.anyAt) << c.text;
            EXPECT_TRUE(p[i].any || (p[i].value == c.bytes[i] && p[i].alternative == c.bytes[i])) << c.text;
        }
    }
}

} // namespace
