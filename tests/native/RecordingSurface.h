#pragma once
// A ViewSurface that records what the view model draws and repaints.
#include <string>
#include <vector>

#include "view/ViewSurface.h"

struct DrawnText {
    Pane pane;
    int x;
    int y;
    std::string text;
    ColorRef textColor;
    ColorRef backColor;
};

class RecordingSurface : public ViewSurface {
public:
    bool panesExist = true;
    std::vector<DrawnText> drawn;
    int repaints = 0;
    std::vector<int> scrollRanges;
    std::vector<int> scrollPositions;

    bool paneExists(Pane) const override { return panesExist; }
    void drawText(Pane pane, int x, int y, std::string_view text, ColorRef textColor, ColorRef backColor) override
    {
        drawn.push_back({pane, x, y, std::string(text), textColor, backColor});
    }
    void repaintPanes() override { ++repaints; }
    void setScrollRange(int maxPosition) override { scrollRanges.push_back(maxPosition); }
    void setScrollPosition(int position) override { scrollPositions.push_back(position); }

    void clear()
    {
        drawn.clear();
        repaints = 0;
        scrollRanges.clear();
        scrollPositions.clear();
    }
};
