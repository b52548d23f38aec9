#include "document/PatternKey.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "document/PatternPrefilter.h"

namespace {

constexpr std::size_t byteValues = PatternKey::byteValues;
constexpr std::ptrdiff_t probesAtOnce = 8;

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
    const auto positionAt = [&](std::ptrdiff_t at) -> const PatternByte& {
        return pattern[static_cast<std::size_t>(at)];
    };
    const std::ptrdiff_t keyEnd = offset_ + length_;
    ByteClasses classes;
    bool paired = false;
    for (std::ptrdiff_t at = offset_; at < keyEnd; ++at) {
        if (positionAt(at).value != positionAt(at).alternative) {
            classes.join(positionAt(at).value, positionAt(at).alternative);
            paired = true;
        }
    }
    std::array<int, byteValues> classSize{};
    for (std::size_t byte = 0; byte < byteValues; ++byte) {
        classOf_[byte] = classes.find(static_cast<std::uint8_t>(byte));
        ++classSize[classOf_[byte]];
    }
    const auto check = [&](std::ptrdiff_t at) {
        checks_.push_back({static_cast<std::int32_t>(at), positionAt(at).value, positionAt(at).alternative});
    };
    // From the far end first: a part of the pattern repeated in the data is more often its start.
    checks_.reserve(static_cast<std::size_t>(patternLength_ - length_));
    for (std::ptrdiff_t at = patternLength_ - 1; at >= keyEnd; --at) {
        if (!positionAt(at).any) {
            check(at);
        }
    }
    for (std::ptrdiff_t at = keyEnd - 1; paired && at >= offset_; --at) {
        const int accepted = positionAt(at).value == positionAt(at).alternative ? 1 : 2;
        if (classSize[classOf_[positionAt(at).value]] > accepted) {
            check(at);
        }
    }
    for (std::ptrdiff_t at = offset_ - 1; at >= 0; --at) {
        if (!positionAt(at).any) {
            check(at);
        }
    }
    std::vector<std::uint8_t> keyClasses(static_cast<std::size_t>(length_));
    for (std::size_t at = 0; at < keyClasses.size(); ++at) {
        keyClasses[at] = classOf_[positionAt(offset_ + static_cast<std::ptrdiff_t>(at)).value];
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

std::ptrdiff_t PatternKey::skipFrom(const std::uint8_t* start, const std::uint8_t* stop) const
{
    const std::ptrdiff_t* skips = skips_.data();
    const std::uint8_t* probe = start + skipProbe_;
    const std::ptrdiff_t whole = length_;
    std::ptrdiff_t skipped = 0;
    // Most bytes skip a whole key: the next probes, a key apart each, are
    // read at once, so their loads wait on memory together.
    while (stop - (start + skipped) > (probesAtOnce - 1) * whole) {
        std::array<std::ptrdiff_t, probesAtOnce> ahead;
        for (std::size_t i = 0; i < ahead.size(); ++i) {
            ahead[i] = skips[probe[skipped + static_cast<std::ptrdiff_t>(i) * whole]];
        }
        for (const std::ptrdiff_t skip : ahead) {
            skipped += skip;
            if (skip < whole) {
                return skipped;
            }
        }
    }
    return start + skipped < stop ? skipped + skips[probe[skipped]] : skipped;
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
