#pragma once
// The undo history: every change to the document as the bytes it changed,
// kept within a memory limit, and where in it the document was last saved.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "document/ReplacementRecord.h"

// One change. An overwrite keeps its old and new bytes, a removal the bytes
// it removed, an insertion of zeros only where and how many, an insertion of
// other bytes (typed or pasted in insert mode) the bytes. A replacement
// of many matches keeps its record: compact whether or not the lengths agree.
struct EditStep {
    enum class Kind : std::uint8_t { overwrite, removal, insertion, replacement };

    Kind kind = Kind::insertion;
    std::int32_t offset = 0;
    std::int32_t count = 0;
    std::vector<std::uint8_t> bytes; // overwrite: the old bytes, then the new; removal: the removed;
                                     // insertion: the inserted, or none for zeros
    // A replacement: `count` is a match's length, `offset` the first match's.
    ReplacementRecord replaced;
    std::vector<std::int32_t> marks; // a removal: the bookmarks of the removed bytes, for undo

    static EditStep overwrite(std::int32_t offset, const std::uint8_t* oldBytes, const std::uint8_t* newBytes,
                              std::int32_t count);
    static EditStep removal(std::int32_t offset, const std::uint8_t* removed, std::int32_t count);
    static EditStep insertion(std::int32_t offset, std::int32_t count);
    static EditStep insertionOf(std::int32_t offset, const std::uint8_t* inserted, std::int32_t count);
    static EditStep replacement(ReplacementRecord record);

    const std::uint8_t* oldBytes() const { return bytes.data(); }
    const std::uint8_t* newBytes() const { return bytes.data() + (kind == Kind::overwrite ? count : 0); }
};

class EditHistory {
public:
    static constexpr std::int64_t defaultLimit = std::int64_t{64} << 20;
    // What one step costs besides its bytes: its own bookkeeping, so that a
    // long run of one-byte steps is bounded too.
    static constexpr std::int64_t stepCharge = 64;

    explicit EditHistory(std::int64_t limit = defaultLimit) : limit_(limit) {}

    // The memory a step of this kind and count takes from the limit.
    static std::int64_t costOf(EditStep::Kind kind, std::int64_t count);
    static std::int64_t replacementCost(const ReplacementRecord& record) { return record.size() + stepCharge; }
    bool canHold(std::int64_t cost) const { return cost <= limit_; }

    // A change made: the steps undone before it can no longer be redone, and
    // the oldest steps go while the history is over its limit. An open step
    // is a byte typed digit by digit whose next digits join it.
    void record(EditStep step, bool open = false);
    // Whether a digit typed into the byte at `offset` continues the latest
    // step: a byte overtyped or inserted there by the digits before.
    bool continuesTyping(std::int32_t offset) const;
    // That byte's new value; `open` while more digits may follow.
    void amendTyping(std::uint8_t value, bool open);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The step undo reverses and the one redo makes again; only when there is one.
    const EditStep& toUndo() const { return steps_[done_ - 1]; }
    const EditStep& toRedo() const { return steps_[done_]; }
    void undone();
    void redone();

    // The document as it is now is the one on the disk.
    void markSaved();
    // The file on the disk is no longer this document (another program
    // deleted it, say): modified until it is saved.
    void markUnsaved() { saved_ = unreachable; }
    // A document read afresh: no steps, not modified.
    void reset();
    // Every step forgotten after a change that could not be recorded: the
    // document stays modified until it is saved.
    void discard();

    bool modified() const { return saved_ != static_cast<std::int64_t>(done_); }
    // Moves on with every change to the document the history sees (a step
    // made, amended, undone or redone; a reset; a discard), so that what was
    // made from the document can tell when it is out of date.
    std::uint64_t changes() const { return changes_; }
    std::int64_t cost() const { return cost_; }
    std::size_t steps() const { return steps_.size(); }
    std::int64_t limit() const { return limit_; }

private:
    static constexpr std::int64_t unreachable = -1;

    void dropOldest();
    static std::int64_t costOf(const EditStep& step);

    std::deque<EditStep> steps_;
    std::size_t done_ = 0;      // steps_[0, done_) can be undone, the rest redone
    std::int64_t saved_ = 0;    // the value of done_ at the saved state, or unreachable
    std::int64_t cost_ = 0;
    std::int64_t limit_;
    bool open_ = false;         // the latest step is a byte still being typed
    std::uint64_t changes_ = 0;
};
