#include "document/ReplacementRecord.h"

#include <cstring>

std::int64_t ReplacementRecord::size() const
{
    return static_cast<std::int64_t>(runs.encodedBytes() + matched.size() + replacement.size() +
                                     lostMarks.size() * sizeof(std::int32_t));
}

void ReplacementRecord::keepBytes(const std::uint8_t* document, const std::vector<std::uint8_t>& replacementBytes)
{
    const auto length = static_cast<std::size_t>(matchLength);
    const std::uint8_t* firstMatch = document + runs.first();
    matchesAlike = true;
    for (RunGaps::Reader run(runs, matchLength); matchesAlike && !run.done(); run.next()) {
        matchesAlike = std::memcmp(document + run.offset(), firstMatch, length) == 0;
    }
    if (matchesAlike) {
        matched.assign(firstMatch, firstMatch + (runs.empty() ? 0 : length));
    } else {
        matched.resize(runs.count() * length);
        for (RunGaps::Reader run(runs, matchLength); !run.done(); run.next()) {
            std::memcpy(matched.data() + run.run() * length, document + run.offset(), length);
        }
    }
    replacement = replacementBytes;
}
