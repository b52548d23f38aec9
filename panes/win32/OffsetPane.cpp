// The offset pane: each visible row's first offset in hexadecimal. It takes no
// input and hands the focus on to the active data pane.
#include "panes/win32/PaneObjects.h"

#include "editor/EditorCore.h"
#include "panes/win32/PaneClass.h"
#include "view/RowText.h"

void OffsetPane::create(HWND parent, HINSTANCE instance)
{
    createPaneWindow(window, "__offset", "Offset", windowProc, Pane::Offset, parent, instance);
}

void OffsetPane::drawRow(std::int32_t row, HDC dc, int screenRow, int column)
{
    const EditorCore& core = editorCore;
    drawRowText(dc, column, screenRow, rowText(core, Pane::Offset, row), rowBackRuns(core, Pane::Offset, row));
}

LRESULT CALLBACK OffsetPane::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paintPane(window, Pane::Offset, [](std::int32_t row, HDC dc, int screenRow) {
            offsetPane.drawRow(row, dc, screenRow, 1);
        });
        return 0;
    case WM_SETFOCUS:
        editorCore.focusActivePane();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
