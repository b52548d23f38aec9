// Frame and pane sizes follow from the font, the view and the window style.
#include "editor/EditorCore.h"

#include <algorithm>

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
    if (labelDigitsNeeded() != offsetDigits && surface != nullptr) {
        surface->relayout();
    }
}

int EditorCore::offsetPaneWidth(int /*octal*/) const
{
    // The label starts one character in; the client edge takes about one more.
    constexpr int labelMargins = 2;
    return (offsetDigits + labelMargins) * charWidth;
}

int EditorCore::hexPaneWidth(int octal) const
{
    return ((octal != 0 ? 4 : 3) * bytesPerRow + 2) * charWidth;
}

int EditorCore::asciiPaneWidth(int /*octal*/) const
{
    return (bytesPerRow + 3) * charWidth;
}

void EditorCore::applyGeometry(const FontMetrics& metrics, const FrameMetrics& system)
{
    int menu = system.menuHeight;
    int caption = system.captionHeight;
    int frame = system.frameWidth;
    int extraHeight = 11;
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

    offsetDigits = labelDigitsNeeded();
    lineHeight = metrics.height + metrics.externalLeading;
    charWidth = metrics.averageCharWidth;
    // 25 full rows and a part row below them.
    textAreaHeight = static_cast<std::int32_t>((pageRows + 0.8) * lineHeight);
    windowHeight = textAreaHeight + caption + menu + extraHeight;
    windowWidth = asciiPaneWidth(octalMode) + offsetPaneWidth(octalMode) + hexPaneWidth(octalMode) +
                  3 * frame + system.scrollBarWidth + 1;
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
