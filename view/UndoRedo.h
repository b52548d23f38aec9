#pragma once
// Undo and redo, and each change recorded in the history as it is made. A
// change too large to record is put to the user first; going on forgets
// every step, as the steps before it could no longer be undone correctly.
#include <cstdint>
#include <vector>

#include "document/EditHistory.h"

struct EditorCore;
enum class ReplaceOutcome;

enum class UndoOutcome {
    done,     // the change was reversed (or made again); the cursor is where it was made
    nothing,  // no change to undo (or to redo)
    noMemory, // the bytes could not be put back, and the user was told: nothing changed, the step stays
};

// Reverses the latest change, or makes the latest undone one again. The
// cursor goes to where the change was made, without a selection, and the
// view shows it. A read-only document refuses with a beep.
UndoOutcome undo(EditorCore& core);
UndoOutcome redo(EditorCore& core);

// Records an overwrite or a removal about to be made, from the bytes as they
// are now (an overwrite's new ones are given). False when the user declines
// a change too large to record, and then nothing may change.
bool recordChange(EditorCore& core, EditStep::Kind kind, std::int32_t offset, std::int32_t count,
                  const std::uint8_t* newBytes = nullptr);
// A change made in steps, which the user may yet cancel: true when one of
// this kind and count can be recorded, else when the user agrees to go on
// without the history, asked before any byte changes.
bool mayChange(EditorCore& core, EditStep::Kind kind, std::int32_t count);
// Records an overwrite made in steps from the bytes it replaced; the history
// forgotten when it is too large to keep. False when there was no memory to
// keep it and the user chose not to go on: the caller puts the old bytes back.
bool recordOverwriteMade(EditorCore& core, std::int32_t offset, std::int32_t count, const std::uint8_t* oldBytes);
// A byte typed at `offset`: its digits after the first join the step of the
// first while the byte is `open`. False as for recordChange.
bool recordTypedByte(EditorCore& core, std::int32_t offset, std::uint8_t value, bool continuesByte, bool open);
// Records an insertion of zeros just made.
void recordInsertion(EditorCore& core, std::int32_t offset, std::int32_t count);
// Records an insertion of these bytes about to be made; `open` while a typed
// byte's next digits may join it. False as for recordChange.
bool recordInsertionOf(EditorCore& core, std::int32_t offset, const std::uint8_t* inserted, std::int32_t count,
                       bool open);
// Runs of `matchLength` bytes at the offsets replaced by the replacement,
// recorded as one change (or put to the user when too large to record).
ReplaceOutcome replaceRuns(EditorCore& core, const std::vector<std::int64_t>& offsets, std::int32_t matchLength,
                           const std::vector<std::uint8_t>& replacement);
// A Replace All made in place kept as one change; put back as it was when it
// is too large to keep and the user chooses not to go on.
ReplaceOutcome keepReplacement(EditorCore& core, ReplacementRecord record);
