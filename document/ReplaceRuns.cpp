// Many runs of bytes replaced at once: in place when the lengths agree, by
// moving the tail for a single run, else in one pass, so a million
// replacements cost no move per match. Shrinking runs only move bytes toward
// the start and reuse the block; growing ones are copied into a new block.
#include "document/FileBuffer.h"

#include <algorithm>
#include <cstring>

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
    return true;
}
