#include "document/EditHistory.h"

#include <new>
#include <utility>

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

EditStep EditStep::replacement(ReplacementRecord record)
{
    EditStep step;
    step.kind = Kind::replacement;
    step.offset = static_cast<std::int32_t>(record.runs.first());
    step.count = record.matchLength;
    step.replaced = std::move(record);
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

std::int64_t EditHistory::costOf(const EditStep& step)
{
    if (step.kind == EditStep::Kind::insertion) {
        return static_cast<std::int64_t>(step.bytes.size()) + stepCharge;
    }
    if (step.kind == EditStep::Kind::replacement) {
        return replacementCost(step.replaced);
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
    ++changes_;
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
    ++changes_;
}

void EditHistory::undone()
{
    --done_;
    ++changes_;
    open_ = false;
}

void EditHistory::redone()
{
    ++done_;
    ++changes_;
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
    ++changes_;
}

void EditHistory::discard()
{
    reset();
    saved_ = unreachable;
}
