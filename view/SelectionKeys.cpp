// Selecting from the keyboard, and going to an offset: the moving end of the
// selection, or the cursor, put on a byte that the view then shows.
#include "editor/EditorCore.h"

#include <algorithm>

std::int64_t EditorCore::selectionEndOffset() const
{
    if (!hasSelection()) {
        return cursorOffset;
    }
    return (static_cast<std::int64_t>(firstVisibleRow) + selectionEndRow) * bytesPerRow + selectionEndColumn;
}

void EditorCore::extendSelection(SelectionMove move)
{
    const std::int64_t page = static_cast<std::int64_t>(pageRows) * bytesPerRow;
    std::int64_t end = selectionEndOffset();
    switch (move) {
    case SelectionMove::left:
        --end;
        break;
    case SelectionMove::right:
        ++end;
        break;
    case SelectionMove::up:
        end -= bytesPerRow;
        break;
    case SelectionMove::down:
        end += bytesPerRow;
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
        end = buffer.size;
        break;
    }
    // No further than the start and the end position.
    end = std::clamp<std::int64_t>(end, 0, std::max(buffer.size, 0));

    hideSelection();
    const auto row = static_cast<std::int32_t>(end / bytesPerRow);
    // The view follows the moving end, by the least it must.
    bool viewMoved = false;
    if (row < firstVisibleRow || row >= firstVisibleRow + pageRows) {
        showRowsFrom(row < firstVisibleRow ? row : row - pageRows + 1);
        syncScrollBar(firstVisibleRow);
        viewMoved = true;
    }
    selectionEndRow = row - firstVisibleRow;
    selectionEndColumn = static_cast<std::int32_t>(end % bytesPerRow);
    if (viewMoved) {
        repaint(Repaint::now); // the panes' painting shows the selection
    } else {
        highlightSelection();
    }
}

bool EditorCore::goToOffset(std::int64_t offset)
{
    if (offset < 0 || offset > buffer.size) {
        return false;
    }
    hideSelection();
    digitIndex = 0;
    setCursorOffset(static_cast<std::int32_t>(offset));
    scrollCursorToTop();
    return true;
}
