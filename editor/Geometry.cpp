// Frame and pane sizes follow from the font, the view and the window style.
#include "editor/EditorCore.h"

#include <algorithm>

#include "editor/DisplayScale.h"

std::int32_t EditorCore::labelDigitsNeeded() const
{
    // The last row's label is the largest the pane shows.
    std::uint32_t last = static_cast<std::uint32_t>(std::max(buffer.rowCount - 1, 0)) *
                         static_cast<std::uint32_t>(bytesPerRow);
    std::int32_t digits = 1;
    while (last >= 16) {
        last /= 16;
        ++digits;
    }
    return std::max(digits, minimumOffsetDigits);
}

void EditorCore::followLabelWidth()
{
    if (labelDigitsNeeded() != offsetDigits && shell.surface != nullptr) {
        shell.surface->relayout();
    }
}

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

int EditorCore::offsetPaneWidth(int /*octal*/) const
{
    return offsetWidth(offsetDigits, charWidth);
}

int EditorCore::hexPaneWidth(int octal) const
{
    return hexWidth(octal, bytesPerRow, charWidth);
}

int EditorCore::asciiPaneWidth(int /*octal*/) const
{
    return asciiWidth(bytesPerRow, charWidth);
}

FrameSize EditorCore::frameSizeFor(const FontMetrics& metrics, const FrameMetrics& system) const
{
    int menu = system.menuHeight;
    int caption = system.captionHeight;
    int frame = system.frameWidth;
    // What the thick frame's edges take below the panes, grown with the resolution.
    constexpr int frameAllowanceAt96 = 11;
    int extraHeight = display::scaleLength(frameAllowanceAt96, display::referenceDpi, dpi);
    // A stand-alone editor keeps every allowance, whatever its style.
    if (parentWindow != nullptr) {
        if ((windowStyle & styleChild) != 0) {
            menu = 0; // a child shows no menu bar
        }
        if ((windowStyle & styleCaption) == 0) {
            caption = 0;
        }
        if ((windowStyle & styleThickFrame) == 0) {
            frame = 1;
            extraHeight = 0;
        }
    }

    const int line = metrics.height + metrics.externalLeading;
    const int character = metrics.averageCharWidth;
    FrameSize size;
    size.height = textHeight(pageRows, line) + caption + menu + extraHeight + statusBarHeight;
    size.width = asciiWidth(bytesPerRow, character) + offsetWidth(labelDigitsNeeded(), character) +
                 hexWidth(octalMode, bytesPerRow, character) + 3 * frame + system.scrollBarWidth + 1;
    return size;
}

void EditorCore::applyGeometry(const FontMetrics& metrics, const FrameMetrics& system)
{
    offsetDigits = labelDigitsNeeded();
    lineHeight = metrics.height + metrics.externalLeading;
    charWidth = metrics.averageCharWidth;
    textAreaHeight = textHeight(pageRows, lineHeight);
    const FrameSize size = frameSizeFor(metrics, system);
    windowHeight = size.height;
    windowWidth = size.width;
}

PaneRect EditorCore::paneRect(Pane pane) const
{
    const int offsetWidth = offsetPaneWidth(octalMode);
    const int hexWidth = hexPaneWidth(octalMode);
    switch (pane) {
    case Pane::Offset:
        return {0, 0, offsetWidth, textAreaHeight};
    case Pane::Hex:
        return {offsetWidth, 0, hexWidth, textAreaHeight};
    case Pane::Ascii:
        break;
    }
    return {offsetWidth + hexWidth, 0, asciiPaneWidth(octalMode), textAreaHeight};
}

ScreenPoint EditorCore::screenFromWorkspace(ScreenPoint normal, ScreenPoint workAreaCorner,
                                            ScreenPoint monitorCorner, bool topLevel)
{
    if (!topLevel) {
        return normal;
    }
    return {normal.x + workAreaCorner.x - monitorCorner.x, normal.y + workAreaCorner.y - monitorCorner.y};
}

void EditorCore::getSize(int& width, int& height) const
{
    width = windowWidth;
    height = windowHeight;
}
