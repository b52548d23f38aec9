#pragma once
// Long work on large data goes in steps and tells its progress between them,
// so that the shell can show it and the user can cancel. The shell's
// progress serves the window system's messages between steps; while it
// does, a LongWork exists, and nothing those messages start may begin other
// work on the document.
#include <cstddef>
#include <cstdint>

// The bytes a step of long work takes: a few MiB, a moment's work each.
constexpr std::size_t progressStep = std::size_t{4} << 20;

class Progress {
public:
    virtual ~Progress() = default;
    // Called before each step with the work done so far of `total`, and once
    // more with `done` at `total` when every step is made; false when the
    // user cancelled, and then the work stops and takes back what it did.
    virtual bool advance(std::int64_t done, std::int64_t total) = 0;
};

// Steps toward a total known beforehand, told to the progress.
class Stepper {
public:
    Stepper(Progress& progress, std::int64_t total) : progress_(progress), total_(total) {}

    // Before a step of `amount`: false when the user cancelled.
    bool next(std::size_t amount)
    {
        if (!progress_.advance(done_, total_)) {
            return false;
        }
        done_ += static_cast<std::int64_t>(amount);
        return true;
    }
    // Every step made: false when the user cancelled at the last moment.
    bool finish() { return progress_.advance(total_, total_); }

private:
    Progress& progress_;
    std::int64_t total_;
    std::int64_t done_ = 0;
};

// `step(from, to)` for each progressStep of `count` bytes in order; false,
// the steps after it not made, when the user cancels.
template <class Step>
bool inSteps(std::size_t count, Progress& progress, const Step& step)
{
    Stepper stepper(progress, static_cast<std::int64_t>(count));
    for (std::size_t from = 0; from < count; from += progressStep) {
        const std::size_t to = count - from < progressStep ? count : from + progressStep;
        if (!stepper.next(to - from)) {
            return false;
        }
        step(from, to);
    }
    return stepper.finish();
}

// Progress that shows nothing and never cancels.
inline Progress& noProgress()
{
    class Silent final : public Progress {
    public:
        bool advance(std::int64_t, std::int64_t) override { return true; }
    };
    static Silent silent;
    return silent;
}

// Long work under way for as long as one is alive.
class LongWork {
public:
    LongWork() { ++depth(); }
    ~LongWork() { --depth(); }
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    static bool running() { return depth() > 0; }

private:
    static int& depth()
    {
        static int count = 0;
        return count;
    }
};
