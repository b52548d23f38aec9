#include "editor/FontFit.h"

bool frameFits(FrameSize frame, FrameSize room)
{
    return frame.width <= room.width && frame.height <= room.height;
}

int largestFittingSize(const EditorCore& core, SizeRange sizes, const FrameMetrics& system, FrameSize room,
                       const std::function<FontMetrics(int size)>& measure)
{
    // A binary search: each step measures one real font.
    int fitting = sizes.smallest - 1;
    int tooLarge = sizes.largest + 1;
    while (tooLarge - fitting > 1) {
        const int size = fitting + (tooLarge - fitting) / 2;
        if (frameFits(core.layout.frameSizeFor(measure(size), system), room)) {
            fitting = size;
        } else {
            tooLarge = size;
        }
    }
    return fitting;
}
