#pragma once
// Fill Selection: the selected bytes overwritten with a hex pattern repeated.
#include <cstdint>
#include <string>
#include <vector>

#include "document/Progress.h"

struct EditorCore;

// A selection to fill in a document that may change; a read-only one beeps.
bool canFill(EditorCore& core);
// The pattern's bytes from hex text (pairs of digits, blanks between pairs
// optional); none, with the reader's reason, when it gives none.
std::vector<std::uint8_t> fillPatternBytes(const std::string& hexText, std::string& reason);
// The selected bytes overwritten in steps with `pattern` repeated from the
// selection's first byte, as one change; the selection stays. False,
// changing nothing, without a selection or pattern, on a read-only document,
// when the user declines a change too large to undo, or cancels, or when
// there is no memory to keep the bytes it replaces (the user is told).
bool fillSelection(EditorCore& core, const std::vector<std::uint8_t>& pattern, Progress& progress = noProgress());
