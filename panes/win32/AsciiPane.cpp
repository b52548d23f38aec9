// The ASCII pane: the bytes as characters, overtyped character by character.
#include "panes/win32/PaneObjects.h"

#include "editor/EditorCore.h"
#include "panes/win32/PaneClass.h"
#include "view/RowText.h"

void AsciiPane::create(HWND parent, HINSTANCE instance)
{
    createPaneWindow(window, "__ascii", "Ascii", windowProc, Pane::Ascii, parent, instance);
}

void AsciiPane::drawRow(std::int32_t row, HDC dc, int screenRow, int column)
{
    const EditorCore& core = editorCore;
    drawRowText(dc, column, screenRow, rowText(core, Pane::Ascii, row), rowBackRuns(core, Pane::Ascii, row));
}

LRESULT CALLBACK AsciiPane::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        paintPane(window, Pane::Ascii, [](std::int32_t row, HDC dc, int screenRow) {
            asciiPane.drawRow(row, dc, screenRow, 1);
        });
        return 0;
    }
    return dataPaneMessage(Pane::Ascii, window, message, wParam, lParam);
}
