#pragma once
// What the panes paint: which rows, each row's text, and the cursor and the
// selection drawn over them.
#include <cstdint>
#include <string>
#include <vector>

#include "view/CoreTypes.h"

struct EditorCore;

// Rows from `first` up to, not including, `end`.
struct RowRange {
    std::int32_t first = 0;
    std::int32_t end = 0;
};

// A row's label in the offset pane: its first offset in uppercase
// hexadecimal, right-aligned to the layout's offset digits ("%4X" while four
// will do). Unsigned, as rows below a recentred view may lie past the 32-bit
// offsets.
std::string rowLabel(const EditorCore& core, std::int32_t row);
// The rows a pane paints: the visible ones that the document has.
RowRange paintedRows(const EditorCore& core);
// A row's text in a pane, from its first character: the label, the numbers
// (blank past the data) or the characters (blank past the data).
std::string rowText(const EditorCore& core, Pane pane, std::int32_t row);
// The background of a byte's cell when neither the cursor nor the selection
// covers it: its tint, if any, else the background colour.
ColorRef cellBackColor(const EditorCore& core, std::int64_t offset);
// Characters of a row's text drawn on one background. A hex cell's trailing
// space takes its cell's background.
struct BackRun {
    int first = 0;
    int length = 0;
    ColorRef color = 0;
};
// A row's runs in a pane, covering its text: a single one on the background
// colour without tints.
std::vector<BackRun> rowBackRuns(const EditorCore& core, Pane pane, std::int32_t row);
// What a pane's painting ends with: the cursor when its row is on screen
// and, in the data panes, the selection.
void paintCursorAndSelection(EditorCore& core, Pane pane);
