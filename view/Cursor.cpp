// The cursor: where it stands, its cells, its moves by digit and the pane
// that has the keyboard.
#include "view/Cursor.h"

#include <algorithm>
#include <limits>

#include "editor/EditorCore.h"

void setCursorOffset(EditorCore& core, std::int32_t offset)
{
    core.cursorOffset = offset;
    // Plain division keeps offset = row * bytesPerRow + column also for a
    // cursor past the end, whose row may lie beyond the last one.
    core.cursorRow = offset / core.bytesPerRow;
    core.cursorColumn = offset % core.bytesPerRow;
    const std::int64_t screenRow = static_cast<std::int64_t>(core.cursorRow) - core.firstVisibleRow;
    core.cursorScreenRow = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        screenRow, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool cursorOnByte(const EditorCore& core)
{
    return core.cursorOffset >= 0 && core.cursorOffset < core.buffer.size;
}

void showCursorHere(EditorCore& core)
{
    core.showCursor(core.cursorScreenRow, core.cursorColumn, core.cursorOffset, core.digitIndex);
}

void hideCursorHere(EditorCore& core)
{
    core.hideCursor(core.cursorScreenRow, core.cursorColumn, core.cursorOffset, core.digitIndex);
}

int lastDigit(const EditorCore& core)
{
    return core.octalMode != 0 ? 2 : 1;
}

void moveLeftByDigit(EditorCore& core)
{
    if (core.activePane != EditorCore::hexPaneActive) {
        core.moveLeft();
    } else if (core.digitIndex > 0) {
        hideCursorHere(core);
        --core.digitIndex;
        showCursorHere(core);
    } else {
        hideCursorHere(core);
        core.digitIndex = lastDigit(core);
        core.moveLeft();
    }
}

void moveRightByDigit(EditorCore& core)
{
    hideCursorHere(core);
    if (core.activePane == EditorCore::hexPaneActive && core.digitIndex < lastDigit(core)) {
        ++core.digitIndex;
        showCursorHere(core);
    } else {
        core.digitIndex = 0;
        core.moveRight();
    }
}

void switchActivePane(EditorCore& core, std::int32_t pane)
{
    hideCursorHere(core);
    core.activePane = pane;
    showCursorHere(core);
    if (core.shell.surface != nullptr) {
        core.shell.surface->focusPane(pane == EditorCore::asciiPaneActive ? Pane::Ascii : Pane::Hex);
    }
}

void paneTookFocus(EditorCore& core, Pane pane)
{
    core.activePane = pane == Pane::Ascii ? EditorCore::asciiPaneActive : EditorCore::hexPaneActive;
}
