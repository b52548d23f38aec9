#pragma once
// The three pane objects: each holds only its window, null until the first
// editor window is created.
#include "editor/Handles.h"

struct OffsetPane {
    WindowHandle window = nullptr;
};
struct HexPane {
    WindowHandle window = nullptr;
};
struct AsciiPane {
    WindowHandle window = nullptr;
};

extern OffsetPane offsetPane;
extern HexPane hexPane;
extern AsciiPane asciiPane;
