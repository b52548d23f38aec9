#include "document/Comparison.h"

#include <utility>

void Comparison::begin(FileBuffer&& other)
{
    other_ = std::move(other);
    last_ = {};
}

void Comparison::end()
{
    other_.data.release();
    other_.setSize(0);
    other_.name.clear();
    last_ = {};
}

DifferenceRun Comparison::next(const std::uint8_t* document, std::int64_t size, std::int64_t cursor, bool selected)
{
    // Searching from the cursor itself passes over the run it lies in.
    const bool visited = selected || cursor == last_.first;
    return stepped(nextDifference(document, size, other_.data.get(), other_.size, visited ? cursor : cursor - 1));
}

DifferenceRun Comparison::previous(const std::uint8_t* document, std::int64_t size, std::int64_t cursor)
{
    return stepped(previousDifference(document, size, other_.data.get(), other_.size, cursor));
}

DifferenceRun Comparison::stepped(DifferenceRun run)
{
    if (run.first >= 0) {
        last_ = run;
    }
    return run;
}
