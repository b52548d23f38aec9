// Differences against a plain byte-by-byte reference: counts and the runs
// next and previous from every offset, with the other file shorter, longer,
// equal and empty, runs at both ends, and blocks wider than a compare step.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "document/Differences.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

bool differs(const Bytes& doc, const Bytes& other, std::int64_t at)
{
    return at >= static_cast<std::int64_t>(other.size()) || doc[static_cast<std::size_t>(at)] != other[static_cast<std::size_t>(at)];
}

// The runs as a plain scan finds them.
std::vector<DifferenceRun> runsOf(const Bytes& doc, const Bytes& other)
{
    std::vector<DifferenceRun> runs;
    for (std::int64_t at = 0; at < static_cast<std::int64_t>(doc.size()); ++at) {
        if (!differs(doc, other, at)) {
            continue;
        }
        if (!runs.empty() && runs.back().first + runs.back().length == at) {
            ++runs.back().length;
        } else {
            runs.push_back({at, 1});
        }
    }
    return runs;
}

void expectLikeReference(const Bytes& doc, const Bytes& other)
{
    const auto size = static_cast<std::int64_t>(doc.size());
    const auto otherSize = static_cast<std::int64_t>(other.size());
    const std::vector<DifferenceRun> runs = runsOf(doc, other);
    std::int64_t count = 0;
    for (const DifferenceRun& run : runs) {
        count += run.length;
    }
    EXPECT_EQ(countDifferences(doc.data(), size, other.data(), otherSize), count);
    for (std::int64_t at = -1; at <= size; ++at) {
        const auto next = std::find_if(runs.begin(), runs.end(), [at](const DifferenceRun& r) { return r.first > at; });
        const auto previous = std::find_if(runs.rbegin(), runs.rend(), [at](const DifferenceRun& r) { return r.first < at; });
        const DifferenceRun gotNext = nextDifference(doc.data(), size, other.data(), otherSize, at);
        const DifferenceRun gotPrevious = previousDifference(doc.data(), size, other.data(), otherSize, at);
        EXPECT_EQ(gotNext.first, next != runs.end() ? next->first : -1) << "next from " << at;
        EXPECT_EQ(gotNext.length, next != runs.end() ? next->length : 0) << "next from " << at;
        EXPECT_EQ(gotPrevious.first, previous != runs.rend() ? previous->first : -1) << "previous from " << at;
        EXPECT_EQ(gotPrevious.length, previous != runs.rend() ? previous->length : 0) << "previous from " << at;
    }
}

TEST(Differences, RunsAndCountsAgreeWithAPlainScan)
{
    const Bytes base(70, 'a');
    auto with = [&](std::initializer_list<std::size_t> changed, std::size_t size) {
        Bytes bytes = base;
        bytes.resize(size, 'a');
        for (const std::size_t at : changed) {
            bytes[at] = 'b';
        }
        return bytes;
    };
    const struct {
        const char* name;
        Bytes doc, other;
    } cases[] = {
        {"identical", base, base},
        {"runs at both ends and a long one across blocks", with({0, 1, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31,
                                                                 32, 33, 34, 35, 36, 37, 69}, 70), base},
        {"the other shorter: a run reaching its end goes on", with({38, 39}, 70), Bytes(base.begin(), base.begin() + 40)},
        {"the other shorter, equal up to its end", base, Bytes(base.begin(), base.begin() + 33)},
        {"the other longer", with({5}, 40), base},
        {"the other empty", base, Bytes()},
        {"an empty document", Bytes(), base},
        {"more blocks than one count of lanes holds", Bytes(5000, 'a'), [] {
             Bytes other(5000, 'a');
             other[3] = other[4100] = other[4999] = 'b';
             return other;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectLikeReference(c.doc, c.other);
    }
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        Bytes doc(random() % 90), other(random() % 90);
        for (auto* bytes : {&doc, &other}) {
            std::generate(bytes->begin(), bytes->end(), [&] { return static_cast<std::uint8_t>(random() % 2); });
        }
        SCOPED_TRACE(round);
        expectLikeReference(doc, other);
    }
}

} // namespace
