#pragma once
// The font sizes whose editor frame still fits on the screen.
#include <functional>

#include "editor/EditorCore.h"

struct SizeRange {
    int smallest = 0;
    int largest = 0;
};

// Both sides within the room's.
bool frameFits(FrameSize frame, FrameSize room);

// The largest size of the range whose frame, in the editor's current view and
// style, fits the room, with the font `measure` gives for each size. Frames
// are taken to grow with the size. smallest - 1 when not even the smallest fits.
int largestFittingSize(const EditorCore& core, SizeRange sizes, const FrameMetrics& system, FrameSize room,
                       const std::function<FontMetrics(int size)>& measure);
