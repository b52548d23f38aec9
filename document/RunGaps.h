#pragma once
// Runs of one length at ascending offsets, kept as the gap before each: from
// the document's start to the first run, then from each run's end to the
// next. The gaps stay the same when every run takes another length, so one
// list gives the runs both before a replacement and after it. Each gap is a
// LEB128 number (seven bits a byte, the high bit set on all but the last):
// a byte below 128, two below 16,384, five at most; as the last byte of each
// has its high bit clear, the list reads backward as well as forward.
#include <cstddef>
#include <cstdint>
#include <vector>

class RunGaps {
public:
    static constexpr std::size_t mostBytesPerGap = 5;

    // Room for `bytes` bytes of gaps, so that appending within it neither
    // moves the list nor throws.
    void reserve(std::size_t bytes) { encoded_.reserve(bytes); }
    std::size_t capacity() const { return encoded_.capacity(); }
    // A run `gap` bytes after the end of the last (after the start for the
    // first); the gap is within 0 and INT32_MAX. Throws std::bad_alloc.
    void append(std::int64_t gap) { Batch(*this, 1).append(gap); }
    // The runs at the offsets, each `length` bytes long; false, with none
    // kept, when they are not ascending and apart within 32-bit offsets.
    // Throws std::bad_alloc.
    bool assign(const std::vector<std::int64_t>& offsets, std::int32_t length);
    void clear();

    std::size_t count() const { return count_; }
    bool empty() const { return count_ == 0; }
    // The memory the gaps take.
    std::size_t encodedBytes() const { return encoded_.size(); }
    // Where the first run starts, and where the last ends when each is `length` bytes long.
    std::int64_t first() const { return firstGap_; }
    std::int64_t end(std::int32_t length) const { return gapTotal_ + static_cast<std::int64_t>(count_) * length; }

    // Runs appended a batch at a time, without a check each: room for
    // `count` gaps is made first (throws std::bad_alloc, appending nothing),
    // and what was not used goes when the batch ends. Its state stays in
    // registers, where a byte stored in the list cannot be taken to change it.
    class Batch {
    public:
        Batch(RunGaps& gaps, std::size_t count)
            : gaps_(gaps), count_(gaps.count_), firstGap_(gaps.firstGap_), gapTotal_(gaps.gapTotal_)
        {
            const std::size_t used = gaps.encoded_.size();
            gaps.encoded_.resize(used + count * mostBytesPerGap);
            next_ = gaps.encoded_.data() + used;
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        ~Batch()
        {
            gaps_.encoded_.resize(static_cast<std::size_t>(next_ - gaps_.encoded_.data()));
            gaps_.count_ = count_;
            gaps_.firstGap_ = firstGap_;
            gaps_.gapTotal_ = gapTotal_;
        }
        void append(std::int64_t gap)
        {
            auto rest = static_cast<std::uint64_t>(gap);
            for (; rest > valueMask; rest >>= valueBits) {
                *next_++ = static_cast<std::uint8_t>((rest & valueMask) | moreBit);
            }
            *next_++ = static_cast<std::uint8_t>(rest);
            firstGap_ = count_ == 0 ? gap : firstGap_;
            gapTotal_ += gap;
            ++count_;
        }

    private:
        RunGaps& gaps_;
        std::uint8_t* next_ = nullptr; // where the next gap goes
        std::size_t count_;
        std::int64_t firstGap_;
        std::int64_t gapTotal_;
    };

    // The runs from the first to the last, each `length` bytes long.
    class Reader {
    public:
        Reader(const RunGaps& gaps, std::int32_t length) : gaps_(gaps), length_(length) { next(); }
        bool done() const { return run_ > gaps_.count_; }
        std::size_t run() const { return run_ - 1; }
        std::int64_t offset() const { return offset_; }
        void next()
        {
            if (++run_ <= gaps_.count_) {
                offset_ += (run_ > 1 ? length_ : 0) + readGap();
            }
        }

    private:
        std::int64_t readGap()
        {
            std::int64_t gap = 0;
            for (unsigned shift = 0;; shift += valueBits) {
                const std::uint8_t part = gaps_.encoded_[at_++];
                gap |= static_cast<std::int64_t>(part & valueMask) << shift;
                if ((part & moreBit) == 0) {
                    return gap;
                }
            }
        }

        const RunGaps& gaps_;
        std::int32_t length_;
        std::size_t run_ = 0; // one past the current run
        std::size_t at_ = 0;  // the next gap's first byte
        std::int64_t offset_ = 0;
    };

    // The runs from the last back to the first, each `length` bytes long.
    class BackwardReader {
    public:
        BackwardReader(const RunGaps& gaps, std::int32_t length)
            : gaps_(gaps), length_(length), run_(gaps.count_), at_(gaps.encoded_.size()),
              offset_(gaps.end(length) - length)
        {
        }
        bool done() const { return run_ == 0; }
        std::size_t run() const { return run_ - 1; }
        std::int64_t offset() const { return offset_; }
        void next()
        {
            if (--run_ > 0) {
                offset_ -= readGapBefore() + length_;
            }
        }

    private:
        // The gap that ends at at_, which then moves to its first byte.
        std::int64_t readGapBefore()
        {
            std::size_t first = at_ - 1;
            while (first > 0 && (gaps_.encoded_[first - 1] & moreBit) != 0) {
                --first;
            }
            std::int64_t gap = 0;
            for (std::size_t at = at_; at-- > first;) {
                gap = gap << valueBits | (gaps_.encoded_[at] & valueMask);
            }
            at_ = first;
            return gap;
        }

        const RunGaps& gaps_;
        std::int32_t length_;
        std::size_t run_; // one past the current run
        std::size_t at_;  // just past the current run's gap
        std::int64_t offset_;
    };

private:
    static constexpr unsigned valueBits = 7;
    static constexpr std::uint8_t valueMask = 0x7F;
    static constexpr std::uint8_t moreBit = 0x80;

    static std::size_t encodedLength(std::int64_t gap);

    std::vector<std::uint8_t> encoded_;
    std::size_t count_ = 0;
    std::int64_t firstGap_ = 0;
    std::int64_t gapTotal_ = 0;
};
