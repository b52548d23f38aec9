// The cursor and the view placed after an edit, a paste, a new size or Go to.
#include "view/Placing.h"

#include "editor/EditorCore.h"
#include "editor/ScrollBar.h"
#include "view/Cursor.h"
#include "view/Scrolling.h"
#include "view/Selection.h"

namespace {

// Rows may have come or gone: the view is fitted to them again from `row`,
// the scroll bar and the labels' width follow, the panes repaint later.
void fitViewFrom(EditorCore& core, std::int32_t row)
{
    showRowsFrom(core, row);
    syncScrollBar(core, core.firstVisibleRow);
    core.layout.followLabelWidth();
    core.repaint(Repaint::later);
}

} // namespace

void showChangedPlace(EditorCore& core, std::int32_t offset)
{
    forgetSelection(core);
    core.digitIndex = 0;
    setCursorOffset(core, offset);
    const bool onScreen = core.cursorRow >= core.firstVisibleRow && core.cursorRow < core.lastVisibleRow;
    fitViewFrom(core, onScreen ? core.firstVisibleRow : core.cursorRow);
}

void showGrownRows(EditorCore& core)
{
    fitViewFrom(core, core.firstVisibleRow);
}

void showPasteEnd(EditorCore& core, std::int32_t after)
{
    setCursorOffset(core, after);
    // Below the view the cursor's row comes to the top; otherwise the view stays.
    if (static_cast<std::int64_t>(after) > static_cast<std::int64_t>(core.lastVisibleRow) * core.bytesPerRow) {
        scrollCursorToTop(core);
    } else {
        core.repaint(Repaint::later);
    }
}

void showNewSize(EditorCore& core)
{
    // Shown even when every row fits on one page.
    core.updateScrollRange(true);
    core.layout.followLabelWidth();
}

bool goToOffset(EditorCore& core, std::int64_t offset)
{
    if (offset < 0 || offset > core.buffer.size) {
        return false;
    }
    unselect(core);
    core.digitIndex = 0;
    setCursorOffset(core, static_cast<std::int32_t>(offset));
    scrollCursorToTop(core);
    return true;
}
