#include "document/FileBuffer.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

namespace {

bool fitsMemory(std::int64_t bytes)
{
    return bytes >= 0 &&
           static_cast<std::uint64_t>(bytes) <= std::numeric_limits<std::size_t>::max();
}

} // namespace

FileBuffer::FileBuffer(int bytesPerRowOfView) : bytesPerRow_(bytesPerRowOfView) {}

std::int32_t FileBuffer::rowsFor(std::int32_t size, int bytesPerRow)
{
    return size <= 0 ? 0 : size / bytesPerRow + 1;
}

std::int64_t FileBuffer::capacityFor(std::int32_t size, int bytesPerRow)
{
    return static_cast<std::int64_t>(rowsFor(size, bytesPerRow)) * bytesPerRow + spareRoom;
}

void FileBuffer::setSize(std::int32_t newSize)
{
    size = newSize;
    rowCount = rowsFor(newSize, bytesPerRow_);
}

bool FileBuffer::reserve(std::int64_t bytes)
{
    if (!fitsMemory(bytes)) {
        return false;
    }
    return data.growZeroed(static_cast<std::size_t>(bytes));
}

std::uint8_t FileBuffer::byteAt(std::int64_t offset) const
{
    if (offset < 0 || offset >= capacity()) {
        return 0;
    }
    return data[static_cast<std::size_t>(offset)];
}

bool FileBuffer::writeByte(std::int32_t offset, std::uint8_t value)
{
    if (offset < 0 || offset >= size) {
        return false;
    }
    data[static_cast<std::size_t>(offset)] = value;
    return true;
}

std::int32_t FileBuffer::overwrite(std::int32_t offset, const std::uint8_t* bytes, std::size_t count)
{
    if (offset < 0 || offset >= size || count == 0) {
        return 0;
    }
    const auto room = static_cast<std::size_t>(size - offset);
    const std::size_t fitting = std::min(count, room);
    std::memcpy(data.get() + offset, bytes, fitting);
    return static_cast<std::int32_t>(fitting);
}

bool FileBuffer::insert(std::int32_t offset, const std::uint8_t* bytes, std::int32_t count)
{
    if (count < 1 || size < 0 || offset < 0 || offset > size) {
        return false;
    }
    const std::int64_t newSize = static_cast<std::int64_t>(size) + count;
    if (newSize > maxSize) {
        return false;
    }
    // Keep the spare room a load gives.
    const std::int64_t needed = capacityFor(static_cast<std::int32_t>(newSize), bytesPerRow_);
    const std::int64_t held = capacity();
    if (held < needed) {
        const std::int64_t stepped =
            std::min(std::max(needed, held + held / 8), capacityFor(maxSize, bytesPerRow_));
        if (!reserve(stepped) && !reserve(needed)) {
            return false;
        }
    }
    std::uint8_t* block = data.get();
    const auto length = static_cast<std::size_t>(count);
    std::memmove(block + offset + count, block + offset, static_cast<std::size_t>(size - offset));
    if (bytes != nullptr) {
        std::memcpy(block + offset, bytes, length);
    } else {
        // Past the old end the block is zero already: only where the moved bytes were needs clearing.
        std::memset(block + offset, 0, std::min(length, static_cast<std::size_t>(size - offset)));
    }
    setSize(static_cast<std::int32_t>(newSize));
    marks.inserted(offset, count);
    return true;
}

std::int32_t FileBuffer::remove(std::int32_t offset, std::int32_t count)
{
    if (count < 1 || offset < 0 || offset >= size || !data.held() || size > capacity()) {
        return 0;
    }
    const std::int32_t removed = std::min(count, size - offset);
    std::uint8_t* block = data.get();
    std::memmove(block + offset, block + offset + removed, static_cast<std::size_t>(size - offset - removed));
    std::memset(block + (size - removed), 0, static_cast<std::size_t>(removed));
    setSize(size - removed);
    marks.removed(offset, removed);
    return removed;
}

ByteSpan FileBuffer::span(std::int64_t offset, std::int64_t count) const
{
    if (offset < 0 || count <= 0 || offset > length() - count || !data.held()) {
        return {};
    }
    return {data.get() + offset, static_cast<std::size_t>(count)};
}

bool FileBuffer::forEachBlock(std::int64_t first, std::int64_t end, const BlockVisitor& visit) const
{
    const ByteSpan whole = span(first, end - first);
    return whole.empty() || visit(first, whole); // one block holds it all
}

bool FileBuffer::replace(std::int64_t offset, std::int64_t removed, const std::uint8_t* bytes, std::int64_t count)
{
    if (offset < 0 || removed < 0 || count < 0 || offset > length() - removed || count > maxSize ||
        (bytes == nullptr && count > 0)) {
        return false;
    }
    const auto at = static_cast<std::int32_t>(offset);
    const auto common = static_cast<std::int32_t>(std::min(removed, count));
    if (count > removed) {
        // Grown first, so that a failure leaves the document as it was.
        const auto added = static_cast<std::int32_t>(count - removed);
        if (!insert(at + common, bytes + common, added)) {
            return false;
        }
    } else if (removed > count) {
        remove(at + common, static_cast<std::int32_t>(removed - count));
    }
    if (common > 0) {
        overwrite(at, bytes, static_cast<std::size_t>(common));
    }
    return true;
}

void FileBuffer::adopt(ByteBlock&& block, std::int32_t byteCount)
{
    data = std::move(block);
    setSize(data.held() ? byteCount : 0);
    marks.clear();
}

int FileBuffer::load(const FilePath& filePath, FileSteps& files, Progress& progress)
{
    data.release();
    setSize(0);
    marks.clear(); // they belonged to the document that was open

    if (!files.openForReading(filePath)) {
        return cannotOpen;
    }
    const int result = readOpenFile(files, progress);
    files.close();
    if (result != loaded) {
        data.release();
        setSize(0);
    }
    return result;
}

int FileBuffer::readOpenFile(FileSteps& files, Progress& progress)
{
    const std::int64_t expected = files.length();
    if (expected > maxSize) {
        return tooLarge;
    }
    std::int64_t capacity = capacityFor(static_cast<std::int32_t>(std::max<std::int64_t>(expected, 0)),
                                        bytesPerRow_);
    // Not zeroed first: the file is read straight over it, and only the spare
    // room past the data is cleared afterwards.
    if (!fitsMemory(capacity) || !data.allocate(static_cast<std::size_t>(capacity))) {
        return tooLarge;
    }

    // Read in steps; keep reading past the expected length in case the file
    // grew or its length could not be told.
    constexpr auto largestRead = static_cast<std::int64_t>(progressStep);
    std::int64_t got = 0;
    for (;;) {
        std::int64_t room = capacity - spareRoom - got;
        if (room <= 0) {
            std::uint8_t next = 0;
            std::size_t one = 0;
            if (!files.read(&next, 1, one)) {
                return cannotOpen;
            }
            if (one == 0) {
                break;
            }
            const std::int64_t grown = std::min<std::int64_t>(capacity * 2, capacityFor(maxSize, bytesPerRow_));
            if (got >= maxSize || !fitsMemory(grown) || !data.growZeroed(static_cast<std::size_t>(grown))) {
                return tooLarge;
            }
            capacity = grown;
            data[static_cast<std::size_t>(got++)] = next;
            room = capacity - spareRoom - got;
        }
        if (!progress.advance(got, std::max(expected, got))) {
            return cancelled;
        }
        const auto want = static_cast<std::size_t>(std::min(room, largestRead));
        std::size_t n = 0;
        if (!files.read(data.get() + got, want, n)) {
            return cannotOpen; // a read error: the document would be cut short
        }
        got += static_cast<std::int64_t>(n);
        if (n < want) {
            break;
        }
    }
    if (got > maxSize) {
        return tooLarge;
    }
    if (!progress.advance(got, got)) {
        return cancelled;
    }
    data.zeroFrom(static_cast<std::size_t>(got));
    setSize(static_cast<std::int32_t>(got));
    if (!reserve(capacityFor(size, bytesPerRow_))) {
        return tooLarge;
    }
    return loaded;
}

namespace {

// The names tried for the file written beside the target.
constexpr int temporaryNames = 100;

// Writes the document and gets it onto the disk; the file is closed either way.
bool writeAndClose(FileSteps& files, const std::uint8_t* bytes, std::int32_t count)
{
    const bool written = files.write(bytes, count > 0 ? static_cast<std::size_t>(count) : 0) && files.flush();
    return files.close() && written;
}

} // namespace

int FileBuffer::writeTo(const FilePath& target, FileSteps& files) const
{
    switch (files.inspect(target)) {
    case FileSteps::Target::other:
        if (!files.open(target, false)) {
            return cannotCreate;
        }
        return writeAndClose(files, data.get(), size) ? written : shortWrite;
    case FileSteps::Target::regularFile:
        if (!files.replaceable(target)) {
            return cannotCreate;
        }
        break;
    case FileSteps::Target::missing:
        break;
    }
    FilePath aside;
    for (int attempt = 0; attempt < temporaryNames && aside.empty(); ++attempt) {
        FilePath candidate = target;
        candidate += ".nibtmp" + std::to_string(attempt);
        if (files.open(candidate, true)) {
            aside = candidate;
        }
    }
    if (aside.empty()) {
        return cannotCreate;
    }
    if (writeAndClose(files, data.get(), size) && files.replace(aside, target)) {
        return written;
    }
    files.remove(aside);
    return shortWrite;
}
