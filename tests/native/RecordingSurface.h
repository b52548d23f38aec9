#pragma once
// A ViewSurface that records what the core draws, repaints, scrolls, focuses
// and asks, answering every question alike.
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
    std::vector<DrawnText> frames; // a bookmark's frame: its box's corner, and its colour as the text colour
    int repaints = 0;      // at once
    int laterRepaints = 0; // once the queue is empty
    std::vector<Pane> focused;
    int relayouts = 0;
    std::vector<int> scrollRanges;
    std::vector<int> scrollPositions;
    bool answer = false; // to every question
    std::vector<std::string> questions;
    int titleChanges = 0;
    int beeps = 0;

    bool paneExists(Pane) const override { return panesExist; }
    void drawText(Pane pane, int x, int y, std::string_view text, ColorRef textColor, ColorRef backColor) override
    {
        drawn.push_back({pane, x, y, std::string(text), textColor, backColor});
    }
    void repaintPanes(Repaint when) override { ++(when == Repaint::now ? repaints : laterRepaints); }
    void setScrollRange(int maxPosition) override { scrollRanges.push_back(maxPosition); }
    void setScrollPosition(int position) override { scrollPositions.push_back(position); }
    void focusPane(Pane pane) override { focused.push_back(pane); }
    void relayout() override { ++relayouts; }
    bool askYesNo(std::string_view question) override
    {
        questions.emplace_back(question);
        return answer;
    }
    void titleChanged() override { ++titleChanges; }
    void beep() override { ++beeps; }
    void drawFrame(Pane pane, int x, int y, int width, int height, ColorRef color) override
    {
        frames.push_back({pane, x, y, std::to_string(width) + "x" + std::to_string(height), color, color});
    }

    void clear()
    {
        drawn.clear();
        frames.clear();
        repaints = 0;
        laterRepaints = 0;
        focused.clear();
        relayouts = 0;
        scrollRanges.clear();
        scrollPositions.clear();
        questions.clear();
        titleChanges = 0;
        beeps = 0;
    }
};
