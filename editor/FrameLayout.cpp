// Frame and pane sizes follow from the font, the view and the window style.
#include "editor/FrameLayout.h"

#include <algorithm>

#include "editor/DisplayScale.h"
#include "editor/EditorCore.h"

namespace {

// The pane widths for a character width, whatever the editor's is now.
int offsetWidth(std::int32_t digits, int charWidth)
{
    // The label starts one character in; the client edge takes about one more.
    constexpr int labelMargins = 2;
    return (digits + labelMargins) * charWidth;
}

int hexWidth(int octal, std::int32_t bytesPerRow, int charWidth)
{
    return ((octal != 0 ? 4 : 3) * bytesPerRow + 2) * charWidth;
}

int asciiWidth(std::int32_t bytesPerRow, int charWidth)
{
    return (bytesPerRow + 3) * charWidth;
}

// 25 full rows and a part row below them.
std::int32_t textHeight(std::int32_t pageRows, int lineHeight)
{
    return static_cast<std::int32_t>((pageRows + 0.8) * lineHeight);
}

} // namespace

std::int32_t FrameLayout::labelDigitsNeeded() const
{
    // The last row's label is the largest the pane shows.
    std::uint32_t last = static_cast<std::uint32_t>(std::max(core_.buffer.rowCount - 1, 0)) *
                         static_cast<std::uint32_t>(core_.bytesPerRow);
    std::int32_t digits = 1;
    while (last >= 16) {
        last /= 16;
        ++digits;
    }
    return std::max(digits, minimumOffsetDigits);
}

void FrameLayout::followLabelWidth()
{
    if (labelDigitsNeeded() != offsetDigits_ && core_.shell.surface != nullptr) {
        core_.shell.surface->relayout();
    }
}

FrameSize FrameLayout::frameSizeFor(const FontMetrics& metrics, const FrameMetrics& system) const
{
    int menu = system.menuHeight;
    int caption = system.captionHeight;
    int frame = system.frameWidth;
    // What the thick frame's edges take below the panes, grown with the resolution.
    constexpr int frameAllowanceAt96 = 11;
    int extraHeight = display::scaleLength(frameAllowanceAt96, display::referenceDpi, dpi_);
    // A stand-alone editor keeps every allowance, whatever its style.
    if (core_.parentWindow != nullptr) {
        if ((core_.windowStyle & EditorCore::styleChild) != 0) {
            menu = 0; // a child shows no menu bar
        }
        if ((core_.windowStyle & EditorCore::styleCaption) == 0) {
            caption = 0;
        }
        if ((core_.windowStyle & EditorCore::styleThickFrame) == 0) {
            frame = 1;
            extraHeight = 0;
        }
    }

    const int line = metrics.height + metrics.externalLeading;
    const int character = metrics.averageCharWidth;
    FrameSize size;
    size.height = textHeight(core_.pageRows, line) + caption + menu + extraHeight + statusBarHeight_;
    size.width = asciiWidth(core_.bytesPerRow, character) + offsetWidth(labelDigitsNeeded(), character) +
                 hexWidth(core_.octalMode, core_.bytesPerRow, character) + 3 * frame + system.scrollBarWidth + 1;
    return size;
}

void FrameLayout::apply(const FontMetrics& metrics, const FrameMetrics& system)
{
    offsetDigits_ = labelDigitsNeeded();
    core_.lineHeight = metrics.height + metrics.externalLeading;
    core_.charWidth = metrics.averageCharWidth;
    core_.textAreaHeight = textHeight(core_.pageRows, core_.lineHeight);
    const FrameSize size = frameSizeFor(metrics, system);
    core_.windowHeight = size.height;
    core_.windowWidth = size.width;
}

PaneRect FrameLayout::paneRect(Pane pane) const
{
    const int offsetWidth = core_.offsetPaneWidth(core_.octalMode);
    const int hexWidth = core_.hexPaneWidth(core_.octalMode);
    switch (pane) {
    case Pane::Offset:
        return {0, 0, offsetWidth, core_.textAreaHeight};
    case Pane::Hex:
        return {offsetWidth, 0, hexWidth, core_.textAreaHeight};
    case Pane::Ascii:
        break;
    }
    return {offsetWidth + hexWidth, 0, core_.asciiPaneWidth(core_.octalMode), core_.textAreaHeight};
}

ScreenPoint screenFromWorkspace(ScreenPoint normal, ScreenPoint workAreaCorner, ScreenPoint monitorCorner,
                                bool topLevel)
{
    if (!topLevel) {
        return normal;
    }
    return {normal.x + workAreaCorner.x - monitorCorner.x, normal.y + workAreaCorner.y - monitorCorner.y};
}

int EditorCore::offsetPaneWidth(int /*octal*/) const
{
    return offsetWidth(layout.offsetDigits(), charWidth);
}

int EditorCore::hexPaneWidth(int octal) const
{
    return hexWidth(octal, bytesPerRow, charWidth);
}

int EditorCore::asciiPaneWidth(int /*octal*/) const
{
    return asciiWidth(bytesPerRow, charWidth);
}

void EditorCore::getSize(int& width, int& height) const
{
    width = windowWidth;
    height = windowHeight;
}
