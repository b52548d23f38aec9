#pragma once
// The frame's vertical scroll bar: its range and the rows its positions stand
// for. The position of a row is the core's scrollPosForRow.
#include <cstdint>

struct EditorCore;

// The range's upper end; 0 hides the bar, unless it is asked to show even
// when every row fits on one page.
int scrollRangeMax(const EditorCore& core, bool evenForOnePage = false);
// The row a thumb position stands for: scrollPosForRow undone to within half a step.
std::int32_t rowForScrollPos(int position, std::int32_t rows);
// The range, and the thumb at the given row.
void syncScrollBar(EditorCore& core, std::int32_t row);
