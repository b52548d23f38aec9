// The hex pane: the bytes as hexadecimal or octal numbers, overtyped digit by
// digit.
#include "panes/PaneObjects.h"

#include <algorithm>
#include <string>

#include "editor/EditorCore.h"
#include "panes/PaneClass.h"
#include "view/ByteTextCodec.h"

namespace {

int lastDigit()
{
    return editorCore.octalMode != 0 ? 2 : 1;
}

// The value of a digit of the current view, or -1.
int digitValue(WPARAM character)
{
    if (character > 0x7F) {
        return -1;
    }
    const char c = static_cast<char>(character);
    const int value = editorCore.octalMode != 0 ? octalDigitValue(c) : hexDigitValue(c);
    return value >= 0 ? value : -1; // separators are not digits either
}

// Replaces the digit at digitIndex of the byte under the cursor.
void enterDigit(int value)
{
    EditorCore& core = editorCore;
    if (!core.cursorOnByte()) {
        return; // typing at the end position changes nothing
    }
    std::uint8_t& byte = core.buffer.data[static_cast<std::size_t>(core.cursorOffset)];
    unsigned mask = 0;
    int shift = 0;
    if (core.octalMode != 0) {
        static const int shifts[] = {6, 3, 0};
        const int digit = std::clamp(core.digitIndex, 0, 2);
        shift = shifts[digit];
        mask = digit == 0 ? 0x3u : 0x7u;
        value = std::min(value, static_cast<int>(mask)); // the first octal digit holds two bits
    } else {
        shift = core.digitIndex == 0 ? 4 : 0;
        mask = 0xFu;
    }
    byte = static_cast<std::uint8_t>((byte & ~(mask << shift)) | (static_cast<unsigned>(value) << shift));
    core.hideCursorHere(); // shows the new value in both data panes
    if (core.digitIndex < lastDigit()) {
        ++core.digitIndex;
        core.showCursorHere();
    } else {
        core.digitIndex = 0;
        core.moveRight(); // draws the cursor at its new place
    }
}

void moveLeftByDigit()
{
    EditorCore& core = editorCore;
    if (core.activePane != 0) {
        core.moveLeft();
    } else if (core.digitIndex > 0) {
        core.hideCursorHere();
        --core.digitIndex;
        core.showCursorHere();
    } else {
        core.hideCursorHere();
        core.digitIndex = lastDigit();
        core.moveLeft();
    }
}

void moveRightByDigit()
{
    EditorCore& core = editorCore;
    if (core.activePane == 0 && core.digitIndex < lastDigit()) {
        core.hideCursorHere();
        ++core.digitIndex;
        core.showCursorHere();
    } else {
        core.hideCursorHere();
        core.digitIndex = 0;
        core.moveRight();
    }
}

CellMapping viewMapping()
{
    return editorCore.octalMode != 0 ? CellMapping::OctalView : CellMapping::HexView;
}

} // namespace

void HexPane::create(HWND parent, HINSTANCE instance)
{
    window = createPaneWindow("__hex", "Hex", windowProc, Pane::Hex, parent, instance);
}

void HexPane::drawRow(std::int32_t row, HDC dc, int screenRow, int column)
{
    const EditorCore& core = editorCore;
    const auto [first, count] = rowSpan(row);
    const int cellWidth = core.isOctalView() != 0 ? 4 : 3;
    // Cells past the data stay blank.
    std::string text(static_cast<std::size_t>(cellWidth * core.bytesPerRow + 1), ' ');
    if (count > 0) {
        const std::uint8_t* bytes = core.buffer.data.get() + first;
        if (cellWidth == 4) {
            formatOctal(&text[0], bytes, count);
        } else {
            formatHex(&text[0], bytes, count);
        }
        text[static_cast<std::size_t>(cellWidth * count)] = ' '; // the codec's terminator
    }
    text.pop_back();
    drawRowText(dc, column, screenRow, text);
}

LRESULT CALLBACK HexPane::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    EditorCore& core = editorCore;
    switch (message) {
    case WM_PAINT:
        paintPane(
            window, [](std::int32_t row, HDC dc, int screenRow) { hexPane.drawRow(row, dc, screenRow, 1); }, true);
        return 0;
    case WM_SETFOCUS:
        core.activePane = 0;
        return 0;
    case WM_CHAR:
        if (wParam == 0x09) {
            core.hideCursorHere();
            core.activePane = 2;
            core.showCursorHere();
            SetFocus(asciiPane.window);
        } else if (!forwardClipboardChar(wParam)) {
            const int value = digitValue(wParam);
            if (value >= 0) {
                enterDigit(value);
            }
        }
        return 0;
    case WM_KEYDOWN:
        return dataPaneKeyDown(window, wParam, lParam, moveLeftByDigit, moveRightByDigit);
    case WM_LBUTTONDOWN:
        core.selectionEndRow = -1;
        core.selectionEndColumn = -1;
        placeCursorAt(paneCellAtPoint(lParam, viewMapping()));
        SetFocus(window);
        repaintPanesAfterClick(window, asciiPane.window, offsetPane.window);
        return 0;
    case WM_MOUSEMOVE:
        if (GetKeyState(VK_LBUTTON) < 0) {
            dragSelectionTo(paneCellAtPoint(lParam, viewMapping()));
        }
        return 0;
    case WM_RBUTTONDOWN:
        showPaneContextMenu(window, lParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
