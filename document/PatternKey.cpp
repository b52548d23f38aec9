#include "document/PatternKey.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "document/PatternPrefilter.h"

namespace {

constexpr std::size_t byteValues = 256;

// Bytes joined into classes, each led by one of its bytes.
class ByteClasses {
public:
    ByteClasses() { std::iota(leader_.begin(), leader_.end(), std::uint8_t{0}); }

    void join(std::uint8_t first, std::uint8_t second) { leader_[find(first)] = find(second); }

    std::uint8_t find(std::uint8_t byte)
    {
        while (leader_[byte] != byte) {
            leader_[byte] = leader_[leader_[byte]]; // halves the path as it goes
            byte = leader_[byte];
        }
        return byte;
    }

private:
    std::array<std::uint8_t, byteValues> leader_{};
};

} // namespace

KeyAutomaton::KeyAutomaton(std::vector<std::uint8_t> classes) : classes_(std::move(classes))
{
    border_.assign(classes_.size() + 1, 0);
    std::int32_t border = 0;
    for (std::int32_t length = 1; length < this->length(); ++length) {
        // Extends the border of the first `length` classes, or falls back to a shorter one.
        const std::uint8_t next = classes_.data()[length];
        while (border > 0 && classes_.data()[border] != next) {
            border = border_.data()[border];
        }
        border += classes_.data()[border] == next ? 1 : 0;
        border_.data()[length + 1] = border;
    }
}

PatternKey::PatternKey(const SearchPattern& pattern, Direction direction)
    : patternLength_(static_cast<std::ptrdiff_t>(pattern.size()))
{
    chooseKey(pattern);
    std::vector<std::uint8_t> keyClasses = foldIntoClasses(pattern);
    if (direction == Direction::forward) {
        prepareSkips(keyClasses);
    } else {
        std::reverse(keyClasses.begin(), keyClasses.end());
    }
    automaton_ = KeyAutomaton(std::move(keyClasses));
}

// The longest run of positions that test a byte; the first among equals.
void PatternKey::chooseKey(const SearchPattern& pattern)
{
    std::ptrdiff_t runStart = 0;
    for (std::ptrdiff_t at = 0; at <= patternLength_; ++at) {
        if (at < patternLength_ && !pattern[static_cast<std::size_t>(at)].any) {
            continue;
        }
        if (at - runStart > length_) {
            offset_ = runStart;
            length_ = at - runStart;
        }
        runStart = at + 1;
    }
}

// KMP needs each position to be one value: the bytes the key's positions
// accept together are joined into classes. A class may hold more bytes than
// a position in it accepts ("a" or "b", "b" or "c"): such positions are
// checked again, with those outside the key.
std::vector<std::uint8_t> PatternKey::foldIntoClasses(const SearchPattern& pattern)
{
    ByteClasses classes;
    for (std::ptrdiff_t at = offset_; at < offset_ + length_; ++at) {
        const PatternByte& position = pattern[static_cast<std::size_t>(at)];
        classes.join(position.value, position.alternative);
    }
    std::array<int, byteValues> classSize{};
    for (std::size_t byte = 0; byte < byteValues; ++byte) {
        classOf_[byte] = classes.find(static_cast<std::uint8_t>(byte));
        ++classSize[classOf_[byte]];
    }
    std::vector<std::uint8_t> keyClasses;
    keyClasses.reserve(static_cast<std::size_t>(length_));
    // From the far end first: a part of the pattern repeated in the data is more often its start.
    for (std::ptrdiff_t at = patternLength_ - 1; at >= 0; --at) {
        const PatternByte& position = pattern[static_cast<std::size_t>(at)];
        const bool inKey = at >= offset_ && at < offset_ + length_;
        const int accepted = position.value == position.alternative ? 1 : 2;
        if (!position.any && (!inKey || classSize[classOf_[position.value]] > accepted)) {
            checks_.push_back({at, position.value, position.alternative});
        }
    }
    for (std::ptrdiff_t at = offset_; at < offset_ + length_; ++at) {
        keyClasses.push_back(classOf_[pattern[static_cast<std::size_t>(at)].value]);
    }
    return keyClasses;
}

// A key longer than a chunk of starts may skip more than a chunk at once:
// a byte whose class is nowhere in the key skips as many starts as the key
// is long, one in it as far as brings its last place in the key under it.
void PatternKey::prepareSkips(const std::vector<std::uint8_t>& keyClasses)
{
    skipping_ = length_ > prefilter::chunkBytes;
    if (!skipping_) {
        return;
    }
    skipProbe_ = offset_ + length_ - 1;
    std::array<std::ptrdiff_t, byteValues> skipOfClass;
    skipOfClass.fill(length_);
    for (std::ptrdiff_t at = 0; at < length_; ++at) {
        skipOfClass[keyClasses[static_cast<std::size_t>(at)]] = length_ - 1 - at;
    }
    for (std::size_t byte = 0; byte < byteValues; ++byte) {
        skips_[byte] = skipOfClass[classOf_[byte]];
    }
}

bool PatternKey::holdsTheRest(const std::uint8_t* start) const
{
    for (const Check& check : checks_) {
        const std::uint8_t byte = start[check.offset];
        if (byte != check.value && byte != check.alternative) {
            return false;
        }
    }
    return true;
}

KeyRun PatternKey::forward(const std::uint8_t* data, std::ptrdiff_t start, std::ptrdiff_t lastStart) const
{
    const std::uint8_t* classOf = classOf_.data();
    const std::int32_t length = automaton_.length();
    std::ptrdiff_t at = start + offset_; // the next byte of the key to read
    std::int32_t state = 0;
    // at - state - offset_ is the first start a match may still have.
    while (at - state - offset_ <= lastStart) {
        state = automaton_.step(state, classOf[data[at++]]);
        if (state == length) {
            const std::ptrdiff_t candidate = at - length - offset_;
            if (holdsTheRest(data + candidate)) {
                return {candidate, candidate + patternLength_};
            }
            state = automaton_.afterKey();
        }
        if (state == 0) {
            return {-1, at - offset_};
        }
    }
    return {-1, lastStart + 1};
}

KeyRun PatternKey::backward(const std::uint8_t* data, std::ptrdiff_t start, std::ptrdiff_t firstStart) const
{
    const std::uint8_t* classOf = classOf_.data();
    const std::int32_t length = automaton_.length();
    const std::ptrdiff_t keyEnd = offset_ + length - 1; // of the key's last byte, from a start
    std::ptrdiff_t at = start + keyEnd;                 // the next byte of the key to read
    std::int32_t state = 0;
    // at + state - keyEnd is the last start a match may still have.
    while (at + state - keyEnd >= firstStart) {
        state = automaton_.step(state, classOf[data[at--]]);
        if (state == length) {
            const std::ptrdiff_t candidate = at + 1 - offset_;
            if (holdsTheRest(data + candidate)) {
                return {candidate, candidate - 1};
            }
            state = automaton_.afterKey();
        }
        if (state == 0) {
            return {-1, at - keyEnd};
        }
    }
    return {-1, firstStart - 1};
}
