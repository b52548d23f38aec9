#include "document/EditHistory.h"

#include <cstring>

#include <new>

EditStep EditStep::overwrite(std::int32_t offset, const std::uint8_t* oldBytes, const std::uint8_t* newBytes,
                             std::int32_t count)
{
    EditStep step;
    step.kind = Kind::overwrite;
    step.offset = offset;
    step.count = count;
    step.bytes.assign(oldBytes, oldBytes + count);
    step.bytes.insert(step.bytes.end(), newBytes, newBytes + count);
    return step;
}

EditStep EditStep::removal(std::int32_t offset, const std::uint8_t* removed, std::int32_t count)
{
    EditStep step;
    step.kind = Kind::removal;
    step.offset = offset;
    step.count = count;
    step.bytes.assign(removed, removed + count);
    return step;
}

EditStep EditStep::insertion(std::int32_t offset, std::int32_t count)
{
    EditStep step;
    step.offset = offset;
    step.count = count;
    return step;
}

EditStep EditStep::insertionOf(std::int32_t offset, const std::uint8_t* inserted, std::int32_t count)
{
    EditStep step = insertion(offset, count);
    step.bytes.assign(inserted, inserted + count);
    return step;
}

EditStep EditStep::replacement(std::vector<std::int32_t> offsets, std::int32_t matchLength,
                               const std::uint8_t* document, const std::uint8_t* replacement,
                               std::int32_t replacementLength)
{
    const auto length = static_cast<std::size_t>(matchLength);
    std::vector<std::uint8_t> bytes(offsets.size() * length + static_cast<std::size_t>(replacementLength));
    std::uint8_t* kept = bytes.data();
    for (const std::int32_t match : offsets) {
        std::memcpy(kept, document + match, length);
        kept += length;
    }
    if (replacementLength > 0) {
        std::memcpy(kept, replacement, static_cast<std::size_t>(replacementLength));
    }
    return replacementOf(std::move(offsets), std::move(bytes), matchLength, replacementLength);
}

EditStep EditStep::replacementOf(std::vector<std::int32_t> offsets, std::vector<std::uint8_t> bytes,
                                 std::int32_t matchLength, std::int32_t replacementLength)
{
    EditStep step;
    step.kind = Kind::replacement;
    step.offset = offsets.empty() ? 0 : offsets.front();
    step.count = matchLength;
    step.replacementLength = replacementLength;
    step.bytes = std::move(bytes);
    step.matchOffsets = std::move(offsets);
    return step;
}

std::int64_t EditHistory::costOf(EditStep::Kind kind, std::int64_t count)
{
    switch (kind) {
    case EditStep::Kind::overwrite:
        return 2 * count + stepCharge;
    case EditStep::Kind::removal:
        return count + stepCharge;
    case EditStep::Kind::insertion:
    case EditStep::Kind::replacement:
        break;
    }
    return stepCharge;
}

std::int64_t EditHistory::replacementCost(std::int64_t matches, std::int64_t matchLength,
                                          std::int64_t replacementLength)
{
    constexpr std::int64_t offsetSize = sizeof(std::int32_t);
    return matches * (matchLength + offsetSize) + replacementLength + stepCharge;
}

std::int64_t EditHistory::costOf(const EditStep& step)
{
    if (step.kind == EditStep::Kind::insertion) {
        return static_cast<std::int64_t>(step.bytes.size()) + stepCharge;
    }
    if (step.kind == EditStep::Kind::replacement) {
        return replacementCost(static_cast<std::int64_t>(step.matchOffsets.size()), step.count,
                               step.replacementLength);
    }
    return costOf(step.kind, step.count);
}

void EditHistory::record(EditStep step, bool open)
{
    while (canRedo()) {
        cost_ -= costOf(steps_.back());
        steps_.pop_back();
    }
    if (saved_ > static_cast<std::int64_t>(done_)) {
        saved_ = unreachable; // the saved state was among the steps just dropped
    }
    const std::int64_t added = costOf(step);
    try {
        steps_.push_back(std::move(step));
    } catch (const std::bad_alloc&) {
        discard(); // the change is made, and nothing before it can be undone correctly
        return;
    }
    ++done_;
    cost_ += added;
    open_ = open;
    while (cost_ > limit_ && steps_.size() > 1) {
        dropOldest();
    }
}

void EditHistory::dropOldest()
{
    cost_ -= costOf(steps_.front());
    steps_.pop_front();
    --done_;
    saved_ = saved_ > 0 ? saved_ - 1 : unreachable;
}

bool EditHistory::continuesTyping(std::int32_t offset) const
{
    if (!open_ || !canUndo() || canRedo()) {
        return false;
    }
    const EditStep& last = toUndo();
    const bool typedByte = last.kind == EditStep::Kind::overwrite ||
                           (last.kind == EditStep::Kind::insertion && last.bytes.size() == 1);
    return typedByte && last.count == 1 && last.offset == offset;
}

void EditHistory::amendTyping(std::uint8_t value, bool open)
{
    EditStep& last = steps_[done_ - 1];
    last.bytes.back() = value; // an overwrite's new byte follows its old one
    open_ = open;
}

void EditHistory::undone()
{
    --done_;
    open_ = false;
}

void EditHistory::redone()
{
    ++done_;
    open_ = false;
}

void EditHistory::markSaved()
{
    saved_ = static_cast<std::int64_t>(done_);
    open_ = false; // a digit typed after the save is a change of its own
}

void EditHistory::reset()
{
    steps_.clear();
    done_ = 0;
    saved_ = 0;
    cost_ = 0;
    open_ = false;
}

void EditHistory::discard()
{
    reset();
    saved_ = unreachable;
}
