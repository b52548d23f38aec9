// Many runs of bytes replaced at once: in place when the lengths agree, by
// moving the tail for a single run, else in one pass, so a million
// replacements cost no move per match. Shrinking runs only move bytes toward
// the start and reuse the block; growing ones are copied into a new block.
#include "document/FileBuffer.h"

#include <algorithm>
#include <cstring>
#include <new>

bool FileBuffer::replaceRuns(const RunGaps& runs, std::int32_t fromLength, const std::uint8_t* bytes,
                             std::int32_t toLength, std::size_t stride)
{
    if (runs.empty()) {
        return true;
    }
    if (fromLength < 0 || toLength < 0 || size < 0 || !data.held() || runs.end(fromLength) > size) {
        return false;
    }
    const auto count = static_cast<std::int64_t>(runs.count());
    const std::int64_t newSize = static_cast<std::int64_t>(size) + count * (toLength - fromLength);
    if (newSize > maxSize) {
        return false;
    }
    const auto length = static_cast<std::size_t>(toLength);
    if (fromLength == toLength) {
        for (RunGaps::Reader run(runs, fromLength); !run.done(); run.next()) {
            std::memcpy(data.get() + run.offset(), bytes + run.run() * stride, length);
        }
        return true;
    }
    if (count == 1) {
        const auto at = static_cast<std::int32_t>(runs.first());
        if (toLength > fromLength) {
            if (!insert(at + fromLength, bytes + fromLength, toLength - fromLength)) {
                return false;
            }
        } else {
            remove(at + toLength, fromLength - toLength);
        }
        if (toLength > 0) {
            std::memcpy(data.get() + at, bytes, std::min(length, static_cast<std::size_t>(fromLength)));
        }
        return true;
    }

    // A second block would double the memory a large document needs, and
    // every page of it would be faulted in fresh.
    const bool inPlace = toLength < fromLength;
    ByteBlock rebuilt;
    const auto newLength = static_cast<std::int32_t>(newSize);
    if (!inPlace && !rebuilt.allocate(static_cast<std::size_t>(capacityFor(newLength, bytesPerRow_)))) {
        return false;
    }
    const std::uint8_t* source = data.get();
    std::uint8_t* target = inPlace ? data.get() : rebuilt.get();
    std::int64_t read = 0;
    for (RunGaps::Reader run(runs, fromLength); !run.done(); run.next()) {
        const auto gap = static_cast<std::size_t>(run.offset() - read);
        std::memmove(target, source + read, gap);
        if (length > 0) { // an empty replacement may have no bytes at all
            std::memcpy(target + gap, bytes + run.run() * stride, length);
        }
        target += gap + length;
        read = run.offset() + fromLength;
    }
    std::memmove(target, source + read, static_cast<std::size_t>(size - read));
    if (inPlace) {
        // Past the old end the block is zero already.
        std::memset(data.get() + newSize, 0, static_cast<std::size_t>(size - newSize));
    } else {
        rebuilt.zeroFrom(static_cast<std::size_t>(newSize));
        data = std::move(rebuilt);
    }
    setSize(newLength);
    marks.runsReplaced(runs, fromLength, toLength);
    return true;
}

namespace {

// A library call per match would cost more than a copy of a byte or two.
void copyShort(std::uint8_t* to, const std::uint8_t* from, std::size_t length)
{
    if (length == 1) {
        *to = *from;
    } else if (length > 0) { // an empty replacement may have no bytes at all
        std::memcpy(to, from, length);
    }
}

// Room for what `found` in `scanned` bytes of `total` suggest, so that the
// lists grow a few times rather than double a dozen: every growth copies
// them and touches fresh pages.
std::size_t projected(std::size_t found, std::int64_t scanned, std::int64_t total, double most)
{
    constexpr double margin = 1.1;
    const double projection = static_cast<double>(found) * static_cast<double>(total) / static_cast<double>(scanned);
    return std::max(2 * found, static_cast<std::size_t>(std::min(projection * margin, most)));
}

// Whether every match has the same bytes: no position takes any byte, or either of two.
bool matchesOneForm(const SearchPattern& pattern)
{
    return std::all_of(pattern.begin(), pattern.end(), [](const PatternByte& position) {
        return !position.any && position.value == position.alternative;
    });
}

// Puts back runs that a shrinking replacement compacted toward the first:
// the bytes between them move back out, from the last run to the first, and
// each run gets its old bytes again. `read` is where the original bytes
// ended, `write` where their compacted form ends.
void expandRuns(std::uint8_t* data, const ReplacementRecord& record, std::int64_t read, std::int64_t write)
{
    const auto length = static_cast<std::size_t>(record.matchLength);
    for (RunGaps::BackwardReader run(record.runs, record.matchLength); !run.done(); run.next()) {
        const std::int64_t after = run.offset() + record.matchLength;
        const std::int64_t gap = read - after;
        write -= gap;
        if (write != after) {
            std::memmove(data + after, data + write, static_cast<std::size_t>(gap));
        }
        write -= record.replacementLength();
        std::memcpy(data + run.offset(), record.matched.data() + run.run() * record.matchedStride(), length);
        read = run.offset();
    }
}

} // namespace

std::int64_t FileBuffer::replaceMatchesInPlace(const SearchPattern& pattern, std::int64_t first, std::int64_t end,
                                               const std::vector<std::uint8_t>& replacement, ReplacementRecord& record,
                                               Progress& progress)
{
    const auto matchLength = static_cast<std::int32_t>(pattern.size());
    const auto replacementLength = static_cast<std::int32_t>(replacement.size());
    if (matchLength == 0 || replacementLength > matchLength || !data.held()) {
        return 0;
    }
    record = ReplacementRecord{};
    record.matchLength = matchLength;
    record.replacement = replacement;
    record.matchesAlike = matchesOneForm(pattern);
    for (std::size_t at = 0; record.matchesAlike && at < pattern.size(); ++at) {
        record.matched.push_back(pattern[at].value);
    }
    RunGaps& runs = record.runs;
    std::vector<std::uint8_t>& matched = record.matched;
    const std::size_t stride = record.matchedStride();
    std::uint8_t* block = data.get();
    // What every match's rewrite reads, copied into each batch's locals: a
    // byte stored through a pointer could be anything reached through a reference.
    struct Rewrite {
        std::uint8_t* block;
        const std::uint8_t* replacement;
        std::size_t replacementLength;
        std::int64_t matchLength;
        std::size_t stride;
    };
    const Rewrite shared{block, record.replacement.data(), record.replacement.size(), matchLength, stride};
    const auto mostRuns = static_cast<double>((end - first) / matchLength);
    std::int64_t read = first;  // the next original byte
    std::int64_t write = first; // where it goes
    std::size_t done = 0; // runs rewritten
    std::int64_t visited = 0;
    try {
        visited = forEachMatch(block, first, end, pattern, [&](const std::int64_t* matches, std::size_t count) {
            // Room for the batch before anything moves, so a failure leaves every done run restorable.
            const std::int64_t scanned = matches[count - 1] + matchLength - first;
            const std::size_t batchGaps = runs.encodedBytes() + count * RunGaps::mostBytesPerGap;
            if (runs.capacity() < batchGaps) {
                runs.reserve(std::max(batchGaps, projected(runs.encodedBytes(), scanned, end - first,
                                                           mostRuns * static_cast<double>(RunGaps::mostBytesPerGap))));
            }
            if (matched.capacity() < (done + count) * stride) {
                matched.reserve(projected(done + count, scanned, end - first, mostRuns) * stride);
            }
            matched.resize(std::max(matched.size(), (done + count) * stride));
            const Rewrite rewrite = shared;
            RunGaps::Batch gaps(runs, count);
            std::uint8_t* kept = matched.data() + done * stride;
            std::int64_t from = read;
            std::int64_t to = write;
            std::int64_t gapStart = done == 0 ? 0 : read; // the gaps run from the previous match's end
            for (std::size_t i = 0; i < count; ++i) {
                const std::int64_t match = matches[i];
                gaps.append(match - gapStart);
                copyShort(kept, rewrite.block + match, rewrite.stride);
                kept += rewrite.stride;
                if (to != from) {
                    std::memmove(rewrite.block + to, rewrite.block + from, static_cast<std::size_t>(match - from));
                }
                to += match - from;
                copyShort(rewrite.block + to, rewrite.replacement, rewrite.replacementLength);
                to += static_cast<std::int64_t>(rewrite.replacementLength);
                from = match + rewrite.matchLength;
                gapStart = from;
            }
            read = from;
            write = to;
            done += count;
        }, progress);
        if (visited < 0) {
            expandRuns(block, record, read, write); // cancelled: the runs rewritten so far put back
            record = ReplacementRecord{};
            return -1;
        }
        record.lostMarks = marks.lostBy(runs, matchLength, replacementLength);
    } catch (const std::bad_alloc&) {
        expandRuns(block, record, read, write);
        record = ReplacementRecord{};
        throw;
    }
    if (write != read) {
        std::memmove(block + write, block + read, static_cast<std::size_t>(size - read));
        const std::int64_t newSize = size - (read - write);
        std::memset(block + newSize, 0, static_cast<std::size_t>(size - newSize));
        setSize(static_cast<std::int32_t>(newSize));
        marks.runsReplaced(runs, matchLength, replacementLength);
    }
    return static_cast<std::int64_t>(runs.count());
}

void FileBuffer::restoreMatchesInPlace(const ReplacementRecord& record)
{
    if (record.runs.empty()) {
        return;
    }
    const std::int32_t matchLength = record.matchLength;
    const std::int32_t replacementLength = record.replacementLength();
    const std::int64_t shrinkage = static_cast<std::int64_t>(record.runs.count()) * (matchLength - replacementLength);
    const std::int64_t read = record.runs.end(matchLength);
    const std::int64_t write = read - shrinkage;
    const std::int64_t oldSize = size + shrinkage;
    std::uint8_t* block = data.get();
    std::memmove(block + read, block + write, static_cast<std::size_t>(size - write)); // the tail back out
    expandRuns(block, record, read, write);
    setSize(static_cast<std::int32_t>(oldSize));
    marks.runsReplaced(record.runs, replacementLength, matchLength);
    marks.restore(record.lostMarks);
}
