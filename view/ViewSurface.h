#pragma once
// What the view model needs from the window system: drawing text into a pane
// and repainting. The Win32 shell implements it with GDI; tests record it.
#include <string_view>

#include "editor/Handles.h"

enum class Pane { Offset, Hex, Ascii };

class ViewSurface {
public:
    virtual ~ViewSurface() = default;

    // True once the pane's window exists.
    virtual bool paneExists(Pane pane) const = 0;

    // Draws text opaquely at pixel (x, y) of the pane's client area, in the
    // editor's font, with the given text and background colours.
    virtual void drawText(Pane pane, int x, int y, std::string_view text,
                          ColorRef textColor, ColorRef backColor) = 0;

    // Invalidates (with erasing) and at once updates the three panes, in the
    // order offset, hex, ASCII.
    virtual void repaintPanes() = 0;

    // The frame's vertical scroll bar.
    virtual void setScrollRange(int maxPosition) = 0;
    virtual void setScrollPosition(int position) = 0;
};
