// The hex pane: the bytes as hexadecimal or octal numbers, overtyped digit by
// digit.
#include "panes/win32/PaneObjects.h"

#include "editor/EditorCore.h"
#include "panes/win32/PaneClass.h"
#include "view/RowText.h"

void HexPane::create(HWND parent, HINSTANCE instance)
{
    createPaneWindow(window, "__hex", "Hex", windowProc, Pane::Hex, parent, instance);
}

void HexPane::drawRow(std::int32_t row, HDC dc, int screenRow, int column)
{
    const EditorCore& core = editorCore;
    drawRowText(dc, column, screenRow, rowText(core, Pane::Hex, row), rowBackRuns(core, Pane::Hex, row));
}

LRESULT CALLBACK HexPane::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        paintPane(window, Pane::Hex, [](std::int32_t row, HDC dc, int screenRow) {
            hexPane.drawRow(row, dc, screenRow, 1);
        });
        return 0;
    }
    return dataPaneMessage(Pane::Hex, window, message, wParam, lParam);
}
