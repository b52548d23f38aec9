#pragma once
// Scrolling the view: the frame's scroll-bar requests, the wheel, and the
// cursor's row put on screen after a new window, Find, Paste and Open.
#include <cstdint>

struct EditorCore;

// The requests of the frame's vertical scroll bar, numbered as the window
// system numbers them (SB_LINEUP ... SB_BOTTOM).
enum class ScrollRequest {
    lineUp = 0,
    lineDown = 1,
    pageUp = 2,
    pageDown = 3,
    thumbPosition = 4,
    thumbTrack = 5,
    top = 6,
    bottom = 7,
};

// The view from `row` as scrollToRow puts it, the cursor staying on its
// byte: its row and screen row follow again.
void showRowsFrom(EditorCore& core, std::int32_t row);
// A request of the frame's scroll bar (or of the page and jump keys). False
// when a line or page request would pass the document's ends: then nothing
// changes at all.
bool scroll(EditorCore& core, ScrollRequest request, int thumbPosition);
// The mouse wheel: `delta` in WheelTurn::notch units per notch, forward
// being positive; it scrolls linesPerNotch rows a notch the way the scroll
// bar's arrows scroll a row, keeping what a notch has not yet reached.
void turnWheel(EditorCore& core, int delta, int linesPerNotch);
// The view from the first row when that shows the cursor's row, from the
// cursor's row otherwise; the cursor stays on its byte. For a new window.
void showCursorFromTop(EditorCore& core);
// The cursor's row at the top of the view (the last page when it lies
// within it), the scroll thumb with it, repainted later: after Find, Paste
// and Open.
void scrollCursorToTop(EditorCore& core);
