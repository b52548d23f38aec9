// The frame's vertical scroll bar: one position per row up to 65535 rows;
// larger documents spread their rows evenly over 0..65535.
#include "editor/EditorCore.h"

#include <algorithm>

int EditorCore::scrollRangeMax(bool evenForOnePage) const
{
    const std::int32_t rows = std::max(buffer.rowCount, 0);
    if (rows <= pageRows && !evenForOnePage) {
        return 0; // equal ends hide the scroll bar
    }
    return rows > maxScrollPosition ? maxScrollPosition : rows;
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

std::int32_t EditorCore::rowForScrollPos(int position, std::int32_t rows)
{
    if (position <= 0) {
        return 0;
    }
    if (rows <= maxScrollPosition) {
        return position;
    }
    const std::int64_t clamped = std::min(position, maxScrollPosition);
    return static_cast<std::int32_t>((clamped * rows + maxScrollPosition / 2) / maxScrollPosition);
}

void EditorCore::updateScrollRange(bool evenForOnePage)
{
    if (shell.surface != nullptr) {
        shell.surface->setScrollRange(scrollRangeMax(evenForOnePage));
    }
}

void EditorCore::syncScrollBar(std::int32_t row)
{
    updateScrollRange();
    if (shell.surface != nullptr) {
        shell.surface->setScrollPosition(scrollPosForRow(row, buffer.rowCount));
    }
}

int EditorCore::isOctalView() const
{
    return octalMode != 0 ? 2 : 0;
}
