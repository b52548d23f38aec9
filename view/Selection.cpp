// The selection: cleared, undrawn, moved from the keyboard and put on a run of
// bytes; the view follows its moving end.
#include "view/Selection.h"

#include <algorithm>

#include "editor/EditorCore.h"
#include "editor/ScrollBar.h"
#include "view/Cursor.h"
#include "view/Scrolling.h"

void forgetSelection(EditorCore& core)
{
    core.selectionEndRow = -1;
    core.selectionEndColumn = -1;
}

void unselect(EditorCore& core)
{
    if (core.hasSelection()) {
        core.unhighlightSelection();
        forgetSelection(core);
    }
}

std::int64_t selectionEndOffset(const EditorCore& core)
{
    if (!core.hasSelection()) {
        return core.cursorOffset;
    }
    return (static_cast<std::int64_t>(core.firstVisibleRow) + core.selectionEndRow) * core.bytesPerRow +
           core.selectionEndColumn;
}

void extendSelection(EditorCore& core, SelectionMove move)
{
    const std::int32_t perRow = core.bytesPerRow;
    const std::int64_t page = static_cast<std::int64_t>(core.pageRows) * perRow;
    std::int64_t end = selectionEndOffset(core);
    switch (move) {
    case SelectionMove::left:
        --end;
        break;
    case SelectionMove::right:
        ++end;
        break;
    case SelectionMove::up:
        end -= perRow;
        break;
    case SelectionMove::down:
        end += perRow;
        break;
    case SelectionMove::pageUp:
        end -= page;
        break;
    case SelectionMove::pageDown:
        end += page;
        break;
    case SelectionMove::home:
        end = 0;
        break;
    case SelectionMove::end:
        end = core.buffer.size;
        break;
    }
    // No further than the start and the end position.
    end = std::clamp<std::int64_t>(end, 0, std::max(core.buffer.size, 0));

    unselect(core);
    const auto row = static_cast<std::int32_t>(end / perRow);
    // The view follows the moving end, by the least it must.
    bool viewMoved = false;
    if (row < core.firstVisibleRow || row >= core.firstVisibleRow + core.pageRows) {
        showRowsFrom(core, row < core.firstVisibleRow ? row : row - core.pageRows + 1);
        syncScrollBar(core, core.firstVisibleRow);
        viewMoved = true;
    }
    core.selectionEndRow = row - core.firstVisibleRow;
    core.selectionEndColumn = static_cast<std::int32_t>(end % perRow);
    if (viewMoved) {
        core.repaint(Repaint::now); // the panes' painting shows the selection
    } else {
        core.highlightSelection();
    }
}

void selectRange(EditorCore& core, std::int64_t first, std::int64_t count)
{
    unselect(core);
    core.digitIndex = 0;
    setCursorOffset(core, static_cast<std::int32_t>(first));
    if (core.cursorRow < core.firstVisibleRow || core.cursorRow >= core.lastVisibleRow) {
        scrollCursorToTop(core);
    } else {
        core.repaint(Repaint::later);
    }
    const std::int64_t last = first + std::max<std::int64_t>(count, 1) - 1;
    core.selectionEndRow = static_cast<std::int32_t>(last / core.bytesPerRow) - core.firstVisibleRow;
    core.selectionEndColumn = static_cast<std::int32_t>(last % core.bytesPerRow);
}
