#pragma once
// A ViewSurface that records what the core draws, repaints, scrolls and
// focuses, and Prompts that record what it asks and tells, answering every
// question alike.
#include <string>
#include <vector>

#include "editor/Prompts.h"
#include "view/ViewSurface.h"

struct DrawnText {
    Pane pane;
    int x;
    int y;
    std::string text;
    ColorRef textColor;
    ColorRef backColor;
};

class RecordingSurface : public ViewSurface, public Prompts {
public:
    bool panesExist = true;
    std::vector<DrawnText> drawn;
    int repaints = 0;      // at once
    int laterRepaints = 0; // once the queue is empty
    std::vector<Pane> focused;
    int relayouts = 0;
    std::vector<int> scrollRanges;
    std::vector<int> scrollPositions;
    bool answer = false; // to every question
    std::vector<std::string> questions;
    std::vector<std::string> told;
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
    Answer ask(std::wstring_view question, bool) override
    {
        questions.emplace_back(question.begin(), question.end()); // the core's questions here are ASCII
        return answer ? Answer::yes : Answer::no;
    }
    void tell(const Message& message) override { told.emplace_back(message.text.begin(), message.text.end()); }
    void titleChanged() override { ++titleChanges; }
    void beep() override { ++beeps; }


    void clear()
    {
        drawn.clear();
        repaints = 0;
        laterRepaints = 0;
        focused.clear();
        relayouts = 0;
        scrollRanges.clear();
        scrollPositions.clear();
        questions.clear();
        told.clear();
        titleChanges = 0;
        beeps = 0;
    }
};
