#pragma once
// A RecordingSurface that paints as the panes would: at once for a repaint
// requested now, and when the test says the message queue has emptied for
// one requested later. It records only the cursor's cells (drawn on a cursor
// colour) and where the ASCII pane's cells were drawn in other colours, so
// that long random runs stay cheap.
#include <utility>
#include <vector>


#include "editor/EditorCore.h"
#include "tests/native/RecordingSurface.h"
#include "view/RowText.h"

class PaintingSurface : public RecordingSurface {
public:
    PaintingSurface(EditorCore& core, ColorRef activeCursor, ColorRef inactiveCursor)
        : core_(core), activeCursor_(activeCursor), inactiveCursor_(inactiveCursor)
    {
    }

    void drawText(Pane pane, int x, int y, std::string_view text, ColorRef textColor, ColorRef backColor) override
    {
        if (backColor == activeCursor_ || backColor == inactiveCursor_) {
            RecordingSurface::drawText(pane, x, y, text, textColor, backColor);
        } else if (pane == Pane::Ascii) {
            plainCharacterCells.emplace_back(x, y);
        }
    }

    std::vector<std::pair<int, int>> plainCharacterCells; // (x, y)

    void clearRecords()
    {
        clear();
        plainCharacterCells.clear();
    }

    void repaintPanes(Repaint when) override
    {
        RecordingSurface::repaintPanes(when);
        if (when == Repaint::now) {
            paint();
        }
    }

    // What the panes' painting draws over their rows: each pane's paint draws
    // the same cursor cells, so the offset pane's stands for all three.
    void paint() { paintCursorAndSelection(core_, Pane::Offset); }

    bool paintPending() const { return laterRepaints > 0; }

private:
    EditorCore& core_;
    ColorRef activeCursor_;
    ColorRef inactiveCursor_;
};
