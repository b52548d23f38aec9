// The frame's vertical scroll bar: one position per row up to 65535 rows;
// larger documents spread their rows evenly over 0..65535.
#include "editor/ScrollBar.h"

#include <algorithm>

#include "editor/EditorCore.h"

int scrollRangeMax(const EditorCore& core, bool evenForOnePage)
{
    const std::int32_t rows = std::max(core.buffer.rowCount, 0);
    if (rows <= core.pageRows && !evenForOnePage) {
        return 0; // equal ends hide the scroll bar
    }
    return rows > EditorCore::maxScrollPosition ? EditorCore::maxScrollPosition : rows;
}

int EditorCore::scrollPosForRow(std::int32_t row, std::int32_t rows)
{
    if (row <= 0) {
        return 0;
    }
    if (rows <= maxScrollPosition) {
        return row;
    }
    // Rounded, so that rowForScrollPos undoes it to within half a step.
    const std::int64_t scaled =
        (static_cast<std::int64_t>(row) * maxScrollPosition + rows / 2) / rows;
    return static_cast<int>(std::min<std::int64_t>(scaled, maxScrollPosition));
}

std::int32_t rowForScrollPos(int position, std::int32_t rows)
{
    constexpr int maxPosition = EditorCore::maxScrollPosition;
    if (position <= 0) {
        return 0;
    }
    if (rows <= maxPosition) {
        return position;
    }
    const std::int64_t clamped = std::min(position, maxPosition);
    return static_cast<std::int32_t>((clamped * rows + maxPosition / 2) / maxPosition);
}

void EditorCore::updateScrollRange(bool evenForOnePage)
{
    if (shell.surface != nullptr) {
        shell.surface->setScrollRange(scrollRangeMax(*this, evenForOnePage));
    }
}

void syncScrollBar(EditorCore& core, std::int32_t row)
{
    core.updateScrollRange();
    if (core.shell.surface != nullptr) {
        core.shell.surface->setScrollPosition(EditorCore::scrollPosForRow(row, core.buffer.rowCount));
    }
}

int EditorCore::isOctalView() const
{
    return octalMode != 0 ? 2 : 0;
}
