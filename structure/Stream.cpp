#include "structure/Stream.h"

#include "structure/DataError.h"

#include <algorithm>

namespace structure {

namespace {

constexpr int bitsPerByte = 8;
// Terminator scans read this much at a time.
constexpr std::size_t scanChunk = 4096;

std::uint64_t lowMask(int bits)
{
    return bits >= 64 ? ~0ULL : (1ULL << bits) - 1;
}

} // namespace

Stream::Stream(const ByteSource& source, std::shared_ptr<const ByteSource> keep, std::uint64_t begin,
               std::uint64_t size, std::shared_ptr<const StreamOrigin> origin, std::uint64_t originBase)
    : source_(source), keep_(std::move(keep)), begin_(begin), size_(size), origin_(std::move(origin)),
      originBase_(originBase)
{}

void Stream::need(std::uint64_t count) const
{
    if (count > left()) {
        throw dataEnded(count, left());
    }
}

void Stream::seek(std::uint64_t pos)
{
    if (pos > size_) {
        throw DataError("position " + std::to_string(pos) + " is past the end of a stream of " + byteCount(size_));
    }
    pos_ = pos;
    bitsLeft_ = 0;
}

std::string Stream::readBytes(std::uint64_t count)
{
    alignToByte();
    need(count);
    std::string out(static_cast<std::size_t>(count), '\0');
    if (count > 0 && !source_.read(begin_ + pos_, reinterpret_cast<std::uint8_t*>(&out[0]), out.size())) {
        throw DataError("the bytes could not be read");
    }
    pos_ += count;
    return out;
}

std::uint64_t Stream::readUnsigned(int width, bool littleEndian)
{
    const std::string raw = readBytes(static_cast<std::uint64_t>(width));
    std::uint64_t value = 0;
    for (int i = 0; i < width; ++i) {
        const auto byte = static_cast<unsigned char>(raw[static_cast<std::size_t>(littleEndian ? width - 1 - i : i)]);
        value = (value << bitsPerByte) | byte;
    }
    return value;
}

std::uint64_t Stream::readBits(int count, bool littleEndian)
{
    std::uint64_t value = 0;
    int done = 0;
    while (done < count) {
        if (bitsLeft_ == 0) {
            need(1);
            if (!source_.read(begin_ + pos_, &bits_, 1)) {
                throw DataError("the bytes could not be read");
            }
            ++pos_;
            bitsLeft_ = bitsPerByte;
        }
        const int take = std::min(count - done, bitsLeft_);
        const std::uint64_t mask = lowMask(take);
        if (littleEndian) {
            const std::uint64_t chunk = (static_cast<std::uint64_t>(bits_) >> (bitsPerByte - bitsLeft_)) & mask;
            value |= chunk << done;
        } else {
            const std::uint64_t chunk = (static_cast<std::uint64_t>(bits_) >> (bitsLeft_ - take)) & mask;
            value = (value << take) | chunk;
        }
        bitsLeft_ -= take;
        done += take;
    }
    return value;
}

std::string Stream::readBytesTerm(std::uint8_t terminator, bool include, bool consume, bool eosError)
{
    alignToByte();
    std::string out;
    std::uint8_t chunk[scanChunk];
    std::uint64_t at = pos_;
    while (at < size_) {
        const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(scanChunk, size_ - at));
        if (!source_.read(begin_ + at, chunk, count)) {
            throw DataError("the bytes could not be read");
        }
        const std::uint8_t* hit = std::find(chunk, chunk + count, terminator);
        const auto before = static_cast<std::size_t>(hit - chunk);
        out.append(reinterpret_cast<const char*>(chunk), before);
        if (hit != chunk + count) {
            if (include) {
                out += static_cast<char>(terminator);
            }
            pos_ = at + before + (consume ? 1 : 0);
            return out;
        }
        at += count;
    }
    if (eosError) {
        throw DataError("data ended before the terminator " + std::to_string(terminator));
    }
    pos_ = size_;
    return out;
}

std::shared_ptr<Stream> Stream::window(std::uint64_t size)
{
    alignToByte();
    need(size);
    auto sub = std::make_shared<Stream>(source_, keep_, begin_ + pos_, size, origin_, originBase_ + pos_);
    pos_ += size;
    return sub;
}

std::shared_ptr<Stream> Stream::windowAt(std::uint64_t pos, std::uint64_t size) const
{
    if (pos > size_ || size > size_ - pos) {
        throw DataError("a window past the end of its stream");
    }
    return std::make_shared<Stream>(source_, keep_, begin_ + pos, size, origin_, originBase_ + pos);
}

std::shared_ptr<Stream> Stream::clone() const
{
    auto copy = std::make_shared<Stream>(source_, keep_, begin_, size_, origin_, originBase_);
    copy->pos_ = pos_;
    return copy;
}

} // namespace structure
