// Find: the next occurrence of a byte pattern, and the cursor and view moved to it.
#include "editor/EditorCore.h"
#include "view/Cursor.h"
#include "view/Scrolling.h"

FindOutcome EditorCore::findNext(const std::vector<std::uint8_t>& pattern)
{
    const auto length = static_cast<std::int32_t>(pattern.size());
    lastSearch = {exactPattern(pattern), false};
    const std::int32_t match = buffer.findBytes(pattern.data(), cursorRow, length);
    if (match == -1) {
        return buffer.contains(pattern.data(), length) ? FindOutcome::onlyEarlierMatches : FindOutcome::notFound;
    }
    buffer.lastMatchOffset = match;
    digitIndex = 0;
    setCursorOffset(*this, match);
    scrollCursorToTop(*this);
    return FindOutcome::found;
}
