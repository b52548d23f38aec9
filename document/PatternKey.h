#pragma once
// The longest run of a pattern's positions that test a byte (its key), read
// by a KMP automaton, so that a scan never reads a byte of the key twice
// however much of the pattern a stretch of the data repeats. The rest of the
// pattern is checked where the key matches: a pattern with wildcards may cost
// its other positions at each place its key matches.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/PatternSearch.h"

// A KMP automaton over byte classes: its state is how many leading classes of
// the key the last bytes read match.
class KeyAutomaton {
public:
    KeyAutomaton() = default;
    explicit KeyAutomaton(std::vector<std::uint8_t> classes);

    std::int32_t length() const { return static_cast<std::int32_t>(classes_.size()); }

    // The state after a byte of class `read`, from a state below length().
    std::int32_t step(std::int32_t state, std::uint8_t read) const
    {
        const std::uint8_t* classes = classes_.data();
        while (state > 0 && classes[state] != read) {
            state = border_.data()[state];
        }
        return classes[state] == read ? state + 1 : 0;
    }

    // The state after the whole key: its longest proper border.
    std::int32_t afterKey() const { return border_.back(); }

private:
    std::vector<std::uint8_t> classes_;
    // border_[n]: the length of the longest proper border of the first n classes.
    std::vector<std::int32_t> border_{0};
};

// Where a run of the automaton from a start stopped: at a match, or where it
// lost track, before which no start is left to try.
struct KeyRun {
    std::ptrdiff_t match = -1;
    // Forward, the first start left; backward, the last.
    std::ptrdiff_t resume = 0;
};

class PatternKey {
public:
    enum class Direction { forward, backward };

    // A pattern with at least one position that tests a byte.
    static constexpr std::size_t byteValues = 256;

    PatternKey(const SearchPattern& pattern, Direction direction);

    // The first match starting in [start, lastStart], reading forward from
    // `start` with no match left before it.
    KeyRun forward(const std::uint8_t* data, std::ptrdiff_t start, std::ptrdiff_t lastStart) const;
    // The last match starting in [firstStart, start], reading backward from
    // `start` with no match left after it.
    KeyRun backward(const std::uint8_t* data, std::ptrdiff_t start, std::ptrdiff_t firstStart) const;

    // Whether the key is long enough to skip more than a chunk of starts at once.
    bool skips() const { return skipping_; }
    // How many starts from `start` (before `stop`) on cannot match, judged by
    // the bytes under the key's last position (Horspool's rule). Forward only.
    std::ptrdiff_t skipFrom(const std::uint8_t* start, const std::uint8_t* stop) const;

private:
    // A position the key's classes do not settle: outside the key, or in a
    // class that holds more bytes than it accepts.
    struct Check {
        std::int32_t offset; // a pattern is never longer than a document can be
        std::uint8_t value;
        std::uint8_t alternative;
    };
    bool holdsTheRest(const std::uint8_t* start) const;
    void chooseKey(const SearchPattern& pattern);
    std::vector<std::uint8_t> foldIntoClasses(const SearchPattern& pattern);
    void prepareSkips(const std::vector<std::uint8_t>& keyClasses);

    std::ptrdiff_t offset_ = 0; // of the key in the pattern
    std::ptrdiff_t length_ = 0;
    std::ptrdiff_t patternLength_ = 0;
    std::array<std::uint8_t, byteValues> classOf_{};
    std::vector<Check> checks_;
    KeyAutomaton automaton_; // over the key read in the scan's direction
    bool skipping_ = false;
    std::ptrdiff_t skipProbe_ = 0; // the key's last position in the pattern
    std::array<std::ptrdiff_t, byteValues> skips_{}; // by the byte under the probe
};
