// Undo and redo: each change recorded as it is made, the history's steps put
// back or made again, and the cursor and view taken to where they happened.
#include "view/UndoRedo.h"

#include "commands/EditMessages.h"
#include "editor/EditorCore.h"
#include "view/Placing.h"

#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace {

constexpr wchar_t unrecordableQuestion[] = L"This change cannot be undone. Continue?";

enum class Direction { back, forward };

// Tells the surface, once the scope ends, when the document turned modified
// or unmodified within it: the frame's title shows which.
class ModifiedWatch {
public:
    explicit ModifiedWatch(EditorCore& core) : core_(core), before_(core.history.modified()) {}
    ModifiedWatch(const ModifiedWatch&) = delete;
    ModifiedWatch& operator=(const ModifiedWatch&) = delete;
    ~ModifiedWatch()
    {
        if (core_.history.modified() != before_ && core_.shell.surface != nullptr) {
            core_.shell.surface->titleChanged();
        }
    }

private:
    EditorCore& core_;
    bool before_;
};

// Whether the step applies to the document as it is: the bytes it overwrites
// or takes away are there, and it puts bytes within the data or at its end.
bool fitsDocument(const FileBuffer& buffer, const EditStep& step, Direction direction)
{
    if (step.kind == EditStep::Kind::replacement) {
        const ReplacementRecord& record = step.replaced;
        const bool forward = direction == Direction::forward;
        return record.runs.end(forward ? record.matchLength : record.replacementLength()) <= buffer.size;
    }
    const bool takesBytes = step.kind == EditStep::Kind::overwrite ||
                            (step.kind == EditStep::Kind::removal) == (direction == Direction::forward);
    const std::int64_t end = static_cast<std::int64_t>(step.offset) + (takesBytes ? step.count : 0);
    return step.offset >= 0 && end <= buffer.size;
}

// False, changing nothing, when the memory for bytes put back cannot be had.
bool apply(FileBuffer& buffer, const EditStep& step, Direction direction)
{
    const bool forward = direction == Direction::forward;
    switch (step.kind) {
    case EditStep::Kind::overwrite:
        buffer.overwrite(step.offset, forward ? step.newBytes() : step.oldBytes(),
                         static_cast<std::size_t>(step.count));
        return true;
    case EditStep::Kind::removal:
        if (forward) {
            buffer.remove(step.offset, step.count);
            return true;
        }
        if (!buffer.insert(step.offset, step.oldBytes(), step.count)) {
            return false;
        }
        buffer.marks.restore(step.marks);
        return true;
    case EditStep::Kind::insertion:
        if (forward) {
            return buffer.insert(step.offset, step.bytes.empty() ? nullptr : step.bytes.data(), step.count);
        }
        buffer.remove(step.offset, step.count);
        return true;
    case EditStep::Kind::replacement: {
        const ReplacementRecord& record = step.replaced;
        try {
            if (forward) {
                return buffer.replaceRuns(record.runs, record.matchLength, record.replacement.data(),
                                          record.replacementLength(), 0);
            }
            if (!buffer.replaceRuns(record.runs, record.replacementLength(), record.matched.data(),
                                    record.matchLength, record.matchedStride())) {
                return false;
            }
        } catch (const std::bad_alloc&) {
            return false;
        }
        buffer.marks.restore(record.lostMarks);
        return true;
    }
    }
    return false;
}

UndoOutcome stepThroughHistory(EditorCore& core, Direction direction)
{
    EditHistory& history = core.history;
    if (direction == Direction::back ? !history.canUndo() : !history.canRedo()) {
        return UndoOutcome::nothing;
    }
    ModifiedWatch watch(core);
    const EditStep& change = direction == Direction::back ? history.toUndo() : history.toRedo();
    if (!fitsDocument(core.buffer, change, direction)) {
        // Only a change made past the history could do this; its steps no longer apply.
        history.discard();
        return UndoOutcome::nothing;
    }
    if (!apply(core.buffer, change, direction)) {
        core.shell.tell(noMemoryToUndo(direction == Direction::forward));
        return UndoOutcome::noMemory;
    }
    const std::int32_t offset = change.offset;
    if (direction == Direction::back) {
        history.undone();
    } else {
        history.redone();
    }
    showChangedPlace(core, offset);
    return UndoOutcome::done;
}

bool askToGoOnUnrecorded(EditorCore& core)
{
    return core.shell.confirm(unrecordableQuestion);
}

// Keeps the step `makeStep` builds when the history can hold it. Otherwise,
// or when there is no memory for it, the history is forgotten instead, with
// the user's leave: asked now unless `leaveGiven` before the change. False
// when the user declines.
template <class MakeStep>
bool keepStep(EditorCore& core, std::int64_t cost, const MakeStep& makeStep, bool open, bool leaveGiven)
{
    ModifiedWatch watch(core);
    if (core.history.canHold(cost)) {
        try {
            core.history.record(makeStep(), open);
            return true;
        } catch (const std::bad_alloc&) {
            leaveGiven = false; // no memory to keep the bytes: as good as too large, but not asked about
        }
    }
    if (!leaveGiven && !askToGoOnUnrecorded(core)) {
        return false;
    }
    // The steps before it could no longer be undone correctly.
    core.history.discard();
    return true;
}

bool recordStep(EditorCore& core, EditStep::Kind kind, std::int32_t offset, std::int32_t count,
                const std::uint8_t* newBytes, bool open)
{
    if (count <= 0) {
        return true; // nothing changes
    }
    const ByteSpan current = core.buffer.span(offset, count);
    if (current.empty()) {
        return false; // no such bytes to change
    }
    if (kind == EditStep::Kind::overwrite && std::memcmp(current.bytes, newBytes, current.count) == 0) {
        return true; // the same bytes again change nothing
    }
    const auto makeStep = [&] {
        EditStep step = kind == EditStep::Kind::overwrite ? EditStep::overwrite(offset, current.bytes, newBytes, count)
                                                          : EditStep::removal(offset, current.bytes, count);
        if (kind == EditStep::Kind::removal) {
            step.marks = core.buffer.marks.within(offset, offset + count);
        }
        return step;
    };
    return keepStep(core, EditHistory::costOf(kind, count), makeStep, open, false);
}

} // namespace

UndoOutcome undo(EditorCore& core)
{
    if (core.files.refuseEdit()) {
        return UndoOutcome::nothing;
    }
    return stepThroughHistory(core, Direction::back);
}

UndoOutcome redo(EditorCore& core)
{
    if (core.files.refuseEdit()) {
        return UndoOutcome::nothing;
    }
    return stepThroughHistory(core, Direction::forward);
}

bool recordChange(EditorCore& core, EditStep::Kind kind, std::int32_t offset, std::int32_t count,
                  const std::uint8_t* newBytes)
{
    return recordStep(core, kind, offset, count, newBytes, false);
}

bool mayChange(EditorCore& core, EditStep::Kind kind, std::int32_t count)
{
    return core.history.canHold(EditHistory::costOf(kind, count)) || askToGoOnUnrecorded(core);
}

bool recordOverwriteMade(EditorCore& core, std::int32_t offset, std::int32_t count, const std::uint8_t* oldBytes)
{
    if (count <= 0) {
        return true;
    }
    const ByteSpan now = core.buffer.span(offset, count);
    if (now.empty()) {
        return false; // no such bytes were changed
    }
    if (std::memcmp(oldBytes, now.bytes, now.count) == 0) {
        return true; // the same bytes again change nothing
    }
    // Too large to hold, it was put to the user by mayChange before it was made.
    return keepStep(
        core, EditHistory::costOf(EditStep::Kind::overwrite, count),
        [&] { return EditStep::overwrite(offset, oldBytes, now.bytes, count); }, false, true);
}

bool recordTypedByte(EditorCore& core, std::int32_t offset, std::uint8_t value, bool continuesByte, bool open)
{
    if (continuesByte && core.history.continuesTyping(offset)) {
        ModifiedWatch watch(core);
        core.history.amendTyping(value, open);
        return true;
    }
    return recordStep(core, EditStep::Kind::overwrite, offset, 1, &value, open);
}

void recordInsertion(EditorCore& core, std::int32_t offset, std::int32_t count)
{
    ModifiedWatch watch(core);
    core.history.record(EditStep::insertion(offset, count));
}

bool recordInsertionOf(EditorCore& core, std::int32_t offset, const std::uint8_t* inserted, std::int32_t count,
                       bool open)
{
    return keepStep(
        core, static_cast<std::int64_t>(count) + EditHistory::stepCharge,
        [&] { return EditStep::insertionOf(offset, inserted, count); }, open, false);
}

ReplaceOutcome replaceRuns(EditorCore& core, const std::vector<std::int64_t>& offsets, std::int32_t matchLength,
                           const std::vector<std::uint8_t>& replacement)
{
    FileBuffer& buffer = core.buffer;
    const auto runs = static_cast<std::int64_t>(offsets.size());
    const auto replacementLength = static_cast<std::int32_t>(replacement.size());
    if (static_cast<std::int64_t>(buffer.size) + runs * (replacementLength - matchLength) > FileBuffer::maxSize) {
        return ReplaceOutcome::tooLarge;
    }
    ModifiedWatch watch(core);
    ReplacementRecord record;
    record.matchLength = matchLength;
    try {
        if (!record.runs.assign(offsets, matchLength) || record.runs.end(matchLength) > buffer.size) {
            return ReplaceOutcome::noMemory; // no such runs: nothing the document can take
        }
    } catch (const std::bad_alloc&) {
        return ReplaceOutcome::noMemory;
    }
    bool recording = true;
    try {
        record.keepBytes(buffer.all().bytes, replacement);
        record.lostMarks = buffer.marks.lostBy(record.runs, matchLength, replacementLength);
        recording = core.history.canHold(EditHistory::replacementCost(record));
    } catch (const std::bad_alloc&) {
        recording = false; // no memory to keep the bytes: as good as too large
    }
    if (!recording && !askToGoOnUnrecorded(core)) {
        return ReplaceOutcome::declined;
    }
    bool replaced = false;
    try {
        replaced = buffer.replaceRuns(record.runs, matchLength, replacement.data(), replacementLength, 0);
    } catch (const std::bad_alloc&) {
        replaced = false;
    }
    if (!replaced) {
        return ReplaceOutcome::noMemory;
    }
    if (recording) {
        core.history.record(EditStep::replacement(std::move(record)));
    } else {
        core.history.discard(); // the steps before it could no longer be undone correctly
    }
    return ReplaceOutcome::replaced;
}

ReplaceOutcome keepReplacement(EditorCore& core, ReplacementRecord record)
{
    ModifiedWatch watch(core);
    if (core.history.canHold(EditHistory::replacementCost(record))) {
        core.history.record(EditStep::replacement(std::move(record)));
        return ReplaceOutcome::replaced;
    }
    if (askToGoOnUnrecorded(core)) {
        core.history.discard();
        return ReplaceOutcome::replaced;
    }
    core.buffer.restoreMatchesInPlace(record);
    return ReplaceOutcome::declined;
}
