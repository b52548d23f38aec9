#pragma once
// A window over a byte source with a read position and the pending bits of
// bit-sized reads, as the parser and `_io` see it.
#include "structure/ByteSource.h"

#include <cstdint>
#include <memory>
#include <string>

namespace structure {

// The bytes a stream's offsets count in: the file (empty path), or the
// decoded bytes of the processed field the path names.
struct StreamOrigin {
    std::string path;
};

class Stream {
public:
    // `source` must outlive the stream unless `keep` holds it.
    Stream(const ByteSource& source, std::shared_ptr<const ByteSource> keep, std::uint64_t begin, std::uint64_t size,
           std::shared_ptr<const StreamOrigin> origin, std::uint64_t originBase);

    std::uint64_t size() const { return size_; }
    std::uint64_t pos() const { return pos_; }
    std::uint64_t left() const { return size_ - pos_; }
    bool eof() const { return pos_ >= size_ && bitsLeft_ == 0; }
    void seek(std::uint64_t pos); // throws DataError past the end
    void alignToByte() { bitsLeft_ = 0; }
    int bitsLeft() const { return bitsLeft_; }

    // Each throws DataError ("data ended") when too few bytes are left.
    std::string readBytes(std::uint64_t count);
    std::uint64_t readUnsigned(int width, bool littleEndian);
    std::uint64_t readBits(int count, bool littleEndian);
    // Bytes up to a terminator; see Attribute for include/consume/eos-error.
    std::string readBytesTerm(std::uint8_t terminator, bool include, bool consume, bool eosError);

    // [pos, pos + size) as a stream of its own; advances this one past it.
    std::shared_ptr<Stream> window(std::uint64_t size);
    // The same window with a position of its own.
    std::shared_ptr<Stream> clone() const;
    // [pos, pos + size) of this stream as one of its own; this one stays put.
    std::shared_ptr<Stream> windowAt(std::uint64_t pos, std::uint64_t size) const;

    // The read position with any pending bits, to come back to after an instance.
    struct State {
        std::uint64_t pos;
        std::uint8_t bits;
        int bitsLeft;
    };
    State state() const { return {pos_, bits_, bitsLeft_}; }
    void restore(const State& state)
    {
        pos_ = state.pos;
        bits_ = state.bits;
        bitsLeft_ = state.bitsLeft;
    }

    std::uint64_t absolute(std::uint64_t pos) const { return originBase_ + pos; }
    const StreamOrigin* origin() const { return origin_.get(); }
    std::shared_ptr<const StreamOrigin> sharedOrigin() const { return origin_; }

private:
    void need(std::uint64_t count) const;

    const ByteSource& source_;
    std::shared_ptr<const ByteSource> keep_;
    std::uint64_t begin_;
    std::uint64_t size_;
    std::uint64_t pos_ = 0;
    std::uint8_t bits_ = 0; // the byte being read bit by bit
    int bitsLeft_ = 0;
    std::shared_ptr<const StreamOrigin> origin_;
    std::uint64_t originBase_;
};

} // namespace structure
