#pragma once
// What the core needs from the window system to show the view: drawing text
// into a pane, repainting the panes, the frame's scroll bar, the keyboard
// focus and the frame's title. The Win32 shell implements it with GDI; tests
// record it.
#include <string_view>

#include "view/CoreTypes.h"

// When a repaint happens: at once (moves across the view's edge, clicks), or
// once the message queue is next empty (edits and scrolling).
enum class Repaint { now, later };

class ViewSurface {
public:
    virtual ~ViewSurface() = default;

    // True once the pane's window exists.
    virtual bool paneExists(Pane pane) const = 0;

    // Draws text opaquely at pixel (x, y) of the pane's client area, in the
    // editor's font, with the given text and background colours.
    virtual void drawText(Pane pane, int x, int y, std::string_view text,
                          ColorRef textColor, ColorRef backColor) = 0;

    // Invalidates the three panes with erasing; Repaint::now also updates
    // them at once, in the order offset, hex, ASCII.
    virtual void repaintPanes(Repaint when) = 0;

    // The frame's vertical scroll bar.
    virtual void setScrollRange(int maxPosition) = 0;
    virtual void setScrollPosition(int position) = 0;

    // Gives the keyboard to a data pane, when its window exists.
    virtual void focusPane(Pane pane) = 0;

    // Lays the frame and its panes out again: the geometry has changed.
    virtual void relayout() = 0;

    // The document turned modified or unmodified: the title shows which.
    virtual void titleChanged() = 0;

    // A refused key or command (an edit of a read-only document).
    virtual void beep() {}

    // Draws a one-pixel frame just inside the box at pixel (x, y) of the pane:
    // a bookmarked byte's cell.
    virtual void drawFrame(Pane /*pane*/, int /*x*/, int /*y*/, int /*width*/, int /*height*/, ColorRef /*color*/) {}
};
