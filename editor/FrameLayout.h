#pragma once
// The frame's layout: the panes' widths, the text area and the frame's size
// follow from the font, the system's measures, the view, the window style and
// the document; the resolution they are made for and the status bar the frame
// grows by are kept here with them.
#include <cstdint>

#include "editor/DisplayScale.h"
#include "view/CoreTypes.h"

struct EditorCore;

// Text measurements of the display font, as GetTextMetrics reports them.
struct FontMetrics {
    int height = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
};

// The system measures the frame's size allows for.
struct FrameMetrics {
    int menuHeight = 0;       // SM_CYMENU
    int captionHeight = 0;    // SM_CYCAPTION
    int frameWidth = 0;       // SM_CXFRAME
    int scrollBarWidth = 0;   // SM_CYVSCROLL
};

// A frame's outer size, in pixels.
struct FrameSize {
    int width = 0;
    int height = 0;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

class FrameLayout {
public:
    // Row labels have at least four hexadecimal digits; a 31-bit offset has eight.
    static constexpr std::int32_t minimumOffsetDigits = 4;

    explicit FrameLayout(EditorCore& core) : core_(core) {}

    // The hexadecimal digits the offset pane is laid out for.
    std::int32_t offsetDigits() const { return offsetDigits_; }
    // The digits the row labels of the document need: four, or as many as
    // its last row's offset has.
    std::int32_t labelDigitsNeeded() const;
    // After the size changed: when the labels need another number of digits,
    // the frame and its panes are laid out again.
    void followLabelWidth();

    // The screen resolution (dots per inch) the font and frame are made for;
    // the stored "FontSize" is kept at 96 and scaled to it.
    std::int32_t dpi() const { return dpi_; }
    void setDpi(std::int32_t dpi) { dpi_ = dpi; }
    // The status bar's height while it is shown: the frame grows by it, so
    // the panes keep their size.
    std::int32_t statusBarHeight() const { return statusBarHeight_; }
    void setStatusBarHeight(std::int32_t height) { statusBarHeight_ = height; }

    // The editor's charWidth, lineHeight, textAreaHeight, windowHeight and
    // windowWidth for the font, with the labels' digits.
    void apply(const FontMetrics& font, const FrameMetrics& system);
    // The frame's size apply would give for such a font, in the current
    // view, style and document; nothing changes.
    FrameSize frameSizeFor(const FontMetrics& font, const FrameMetrics& system) const;
    // Where a pane goes in the current view.
    PaneRect paneRect(Pane pane) const;

private:
    EditorCore& core_;
    std::int32_t offsetDigits_ = minimumOffsetDigits;
    std::int32_t dpi_ = display::referenceDpi;
    std::int32_t statusBarHeight_ = 0;
};

// A top-level window's normal position is kept from the corner of its
// monitor's work area; moving it takes screen coordinates. A child's
// position is in its parent's client area either way.
ScreenPoint screenFromWorkspace(ScreenPoint normal, ScreenPoint workAreaCorner, ScreenPoint monitorCorner,
                                bool topLevel);
