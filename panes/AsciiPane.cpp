// The ASCII pane: the bytes as characters, overtyped character by character.
#include "panes/PaneObjects.h"

#include <string>

#include "editor/EditorCore.h"
#include "panes/PaneClass.h"

namespace {

void typeCharacter(WPARAM character)
{
    EditorCore& core = editorCore;
    if (!core.cursorOnByte()) {
        return; // typing at the end position changes nothing
    }
    core.buffer.data[static_cast<std::size_t>(core.cursorOffset)] = static_cast<std::uint8_t>(character);
    // Shows the new byte here and in the hex pane.
    core.hideCursorHere();
    core.moveRight();
}

void moveLeftByByte()
{
    editorCore.moveLeft();
}

void moveRightByByte()
{
    editorCore.moveRight();
}

} // namespace

void AsciiPane::create(HWND parent, HINSTANCE instance)
{
    window = createPaneWindow("__ascii", "Ascii", windowProc, Pane::Ascii, parent, instance);
}

void AsciiPane::drawRow(std::int32_t row, HDC dc, int screenRow, int column)
{
    const EditorCore& core = editorCore;
    const auto [first, count] = rowSpan(row);
    // Cells past the data stay blank.
    std::string text(static_cast<std::size_t>(core.bytesPerRow), ' ');
    for (int i = 0; i < count; ++i) {
        text[static_cast<std::size_t>(i)] =
            EditorCore::characterForm(core.buffer.data[static_cast<std::size_t>(first + i)]);
    }
    drawRowText(dc, column, screenRow, text);
}

LRESULT CALLBACK AsciiPane::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    EditorCore& core = editorCore;
    switch (message) {
    case WM_PAINT:
        paintPane(
            window, [](std::int32_t row, HDC dc, int screenRow) { asciiPane.drawRow(row, dc, screenRow, 1); },
            true);
        return 0;
    case WM_SETFOCUS:
        core.activePane = 2;
        return 0;
    case WM_CHAR:
        if (wParam >= 0x20 && wParam <= 0x7E) {
            typeCharacter(wParam);
        } else if (wParam == 0x09) {
            core.hideCursorHere();
            core.activePane = 0;
            core.showCursorHere();
            SetFocus(hexPane.window);
        } else {
            forwardClipboardChar(wParam);
        }
        return 0;
    case WM_KEYDOWN:
        return dataPaneKeyDown(window, wParam, lParam, moveLeftByByte, moveRightByByte);
    case WM_LBUTTONDOWN:
        // Unlike the hex pane, a click keeps the selection's far end.
        placeCursorAt(paneCellAtPoint(lParam, CellMapping::Characters));
        SetFocus(window);
        repaintPanesAfterClick(window, hexPane.window, offsetPane.window);
        return 0;
    case WM_MOUSEMOVE:
        if (GetKeyState(VK_LBUTTON) < 0) {
            dragSelectionTo(paneCellAtPoint(lParam, CellMapping::Characters));
        }
        return 0;
    case WM_RBUTTONDOWN:
        showPaneContextMenu(window, lParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
