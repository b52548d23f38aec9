// Many runs of bytes replaced at once: in place when the lengths agree, by
// moving the tail for a single run, else in one pass, so a million
// replacements cost no move per match. Shrinking runs only move bytes toward
// the start and reuse the block; growing ones are copied into a new block.
#include "document/FileBuffer.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// Ascending, apart, and within the document.
bool runsFit(const std::vector<std::int32_t>& offsets, std::int32_t length, std::int32_t size)
{
    std::int64_t next = 0;
    for (const std::int32_t offset : offsets) {
        if (offset < next) {
            return false;
        }
        next = static_cast<std::int64_t>(offset) + length;
    }
    return next <= size;
}

} // namespace

bool FileBuffer::replaceRuns(const std::vector<std::int32_t>& offsets, std::int32_t fromLength,
                             const std::uint8_t* bytes, std::int32_t toLength, std::size_t stride)
{
    if (offsets.empty()) {
        return true;
    }
    if (fromLength < 0 || toLength < 0 || size < 0 || !data.held() || !runsFit(offsets, fromLength, size)) {
        return false;
    }
    const auto runs = static_cast<std::int64_t>(offsets.size());
    const std::int64_t newSize = static_cast<std::int64_t>(size) + runs * (toLength - fromLength);
    if (newSize > maxSize) {
        return false;
    }
    const auto length = static_cast<std::size_t>(toLength);
    if (fromLength == toLength) {
        for (std::size_t run = 0; run < offsets.size(); ++run) {
            std::memcpy(data.get() + offsets[run], bytes + run * stride, length);
        }
        return true;
    }
    if (offsets.size() == 1) {
        const std::int32_t at = offsets.front();
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
    for (std::size_t run = 0; run < offsets.size(); ++run) {
        const auto gap = static_cast<std::size_t>(offsets[run] - read);
        std::memmove(target, source + read, gap);
        if (length > 0) { // an empty replacement may have no bytes at all
            std::memcpy(target + gap, bytes + run * stride, length);
        }
        target += gap + length;
        read = static_cast<std::int64_t>(offsets[run]) + fromLength;
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
    marks.runsReplaced(offsets, fromLength, toLength);
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

// Room for the runs that `scanned` bytes of `total` suggest, so that the
// lists grow a few times rather than double a dozen: every growth copies
// them and touches fresh pages.
std::size_t projectedRuns(std::size_t found, std::int64_t scanned, std::int64_t total, std::int32_t matchLength)
{
    constexpr double margin = 1.1;
    const double projected = static_cast<double>(found) * static_cast<double>(total) / static_cast<double>(scanned);
    const double most = static_cast<double>(total / matchLength);
    return std::max(2 * found, static_cast<std::size_t>(std::min(projected * margin, most)));
}

// Puts back runs that a shrinking replacement compacted toward `first`: the
// bytes between them move back out, from the last run to the first, and each
// run gets its old bytes again. `read` is where the original bytes ended,
// `write` where their compacted form ends.
void expandRuns(std::uint8_t* data, const std::vector<std::int32_t>& offsets, const std::uint8_t* matched,
                std::int32_t matchLength, std::int32_t replacementLength, std::int64_t read, std::int64_t write)
{
    const auto length = static_cast<std::size_t>(matchLength);
    for (std::size_t run = offsets.size(); run-- > 0;) {
        const std::int64_t after = static_cast<std::int64_t>(offsets[run]) + matchLength;
        const std::int64_t gap = read - after;
        write -= gap;
        std::memmove(data + after, data + write, static_cast<std::size_t>(gap));
        write -= replacementLength;
        std::memcpy(data + offsets[run], matched + run * length, length);
        read = offsets[run];
    }
}

} // namespace

std::int64_t FileBuffer::replaceMatchesInPlace(const SearchPattern& pattern, std::int64_t first, std::int64_t end,
                                               const std::vector<std::uint8_t>& replacement,
                                               std::vector<std::int32_t>& offsets,
                                               std::vector<std::uint8_t>& matched)
{
    const auto matchLength = static_cast<std::int32_t>(pattern.size());
    const auto replacementLength = static_cast<std::int32_t>(replacement.size());
    if (matchLength == 0 || replacementLength > matchLength || !data.held()) {
        return 0;
    }
    std::uint8_t* block = data.get();
    const auto length = static_cast<std::size_t>(matchLength);
    std::int64_t read = first;  // the next original byte
    std::int64_t write = first; // where it goes
    std::size_t done = 0; // runs rewritten
    try {
        forEachMatch(block, first, end, pattern, [&](const std::int64_t* matches, std::size_t count) {
            // Room for the batch before anything moves, so a failure leaves every done run restorable.
            if (offsets.capacity() < done + count) {
                const std::size_t expected = projectedRuns(done + count, matches[count - 1] + matchLength - first,
                                                           end - first, matchLength);
                offsets.reserve(expected);
                matched.reserve(expected * length);
            }
            offsets.resize(done + count);
            matched.resize((done + count) * length);
            for (std::size_t i = 0; i < count; ++i, ++done) {
                const std::int64_t match = matches[i];
                offsets[done] = static_cast<std::int32_t>(match);
                copyShort(matched.data() + done * length, block + match, length);
                if (write != read) {
                    std::memmove(block + write, block + read, static_cast<std::size_t>(match - read));
                }
                write += match - read;
                copyShort(block + write, replacement.data(), replacement.size());
                write += replacementLength;
                read = match + matchLength;
            }
        });
    } catch (const std::bad_alloc&) {
        offsets.resize(done);
        matched.resize(done * length);
        expandRuns(block, offsets, matched.data(), matchLength, replacementLength, read, write);
        offsets.clear();
        matched.clear();
        throw;
    }
    if (write != read) {
        std::memmove(block + write, block + read, static_cast<std::size_t>(size - read));
        const std::int64_t newSize = size - (read - write);
        std::memset(block + newSize, 0, static_cast<std::size_t>(size - newSize));
        setSize(static_cast<std::int32_t>(newSize));
        marks.runsReplaced(offsets, matchLength, replacementLength);
    }
    return static_cast<std::int64_t>(offsets.size());
}

void FileBuffer::restoreMatchesInPlace(const std::vector<std::int32_t>& offsets,
                                       const std::uint8_t* matched, std::int32_t matchLength,
                                       std::int32_t replacementLength)
{
    if (offsets.empty()) {
        return;
    }
    const std::int64_t shrinkage =
        static_cast<std::int64_t>(offsets.size()) * (matchLength - replacementLength);
    const std::int64_t read = static_cast<std::int64_t>(offsets.back()) + matchLength;
    const std::int64_t write = read - shrinkage;
    const std::int64_t oldSize = size + shrinkage;
    std::uint8_t* block = data.get();
    std::memmove(block + read, block + write, static_cast<std::size_t>(size - write)); // the tail back out
    expandRuns(block, offsets, matched, matchLength, replacementLength, read, write);
    setSize(static_cast<std::int32_t>(oldSize));
    std::vector<std::int32_t> compacted(offsets.size());
    for (std::size_t run = 0; run < offsets.size(); ++run) {
        compacted[run] = static_cast<std::int32_t>(offsets[run] - static_cast<std::int64_t>(run) *
                                                                      (matchLength - replacementLength));
    }
    marks.runsReplaced(compacted, replacementLength, matchLength);
}
