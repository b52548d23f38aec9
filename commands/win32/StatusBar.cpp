// The status bar, a common control made while it is shown. Its parts are as
// wide as their texts, and only a changed text or width is set again, so it
// does not flicker while the cursor moves.
#include "commands/win32/StatusBar.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "editor/DisplayScale.h"
#include "editor/EditorCore.h"
#include "editor/StatusLine.h"
#include "editor/win32/LayoutFrame.h"

namespace {

constexpr int partCount = 6;
// Room around a part's text and its border, at 96 dots per inch.
constexpr int partPaddingAt96 = 20;

struct StatusBarState {
    HWND window = nullptr;
    std::array<std::wstring, partCount> texts;
    std::array<int, partCount> edges{};
};
StatusBarState bar;

std::array<std::wstring, partCount> partTexts()
{
    const StatusTexts texts = statusTexts(editorCore);
    // Every text is ASCII.
    const auto wide = [](const std::string& text) { return std::wstring(text.begin(), text.end()); };
    return {wide(texts.offset), wide(texts.selection), wide(texts.size),
            wide(texts.view),   wide(texts.mode),      wide(texts.readOnly)};
}

// The parts' right edges: each as wide as its text, the last to the end.
std::array<int, partCount> partEdges(const std::array<std::wstring, partCount>& texts)
{
    std::array<int, partCount> edges{};
    HDC dc = GetDC(bar.window);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(bar.window, WM_GETFONT, 0, 0)));
    const int padding = display::scaleLength(partPaddingAt96, display::referenceDpi, editorCore.layout.dpi());
    int edge = 0;
    for (int part = 0; part < partCount; ++part) {
        const std::wstring& text = texts[static_cast<std::size_t>(part)];
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        edge += text.empty() ? 0 : extent.cx + padding;
        edges[static_cast<std::size_t>(part)] = part == partCount - 1 ? -1 : edge;
    }
    SelectObject(dc, previous);
    ReleaseDC(bar.window, dc);
    return edges;
}

} // namespace

bool statusBarShown()
{
    return bar.window != nullptr;
}

void showStatusBar(HWND frame, bool shown)
{
    EditorCore& core = editorCore;
    if (shown == statusBarShown()) {
        return;
    }
    if (shown) {
        bar.window = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame, nullptr,
                                     core.instance, nullptr);
        if (bar.window == nullptr) {
            return;
        }
        RECT place{};
        GetWindowRect(bar.window, &place);
        core.layout.setStatusBarHeight(place.bottom - place.top);
        bar.texts = {};
        bar.edges = {};
    } else {
        DestroyWindow(bar.window);
        bar.window = nullptr;
        core.layout.setStatusBarHeight(0);
    }
    relayoutFrame(editorCore, frame);
    refreshStatusBar();
}

void dropStatusBar()
{
    bar.window = nullptr;
    editorCore.layout.setStatusBarHeight(0);
}

void placeStatusBar()
{
    if (bar.window != nullptr) {
        SendMessageW(bar.window, WM_SIZE, 0, 0); // the bar puts itself at its parent's foot
    }
}

void refreshStatusBar()
{
    if (bar.window == nullptr) {
        return;
    }
    const std::array<std::wstring, partCount> texts = partTexts();
    const std::array<int, partCount> edges = partEdges(texts);
    if (edges != bar.edges) {
        bar.edges = edges;
        SendMessageW(bar.window, SB_SETPARTS, partCount, reinterpret_cast<LPARAM>(edges.data()));
    }
    for (std::size_t part = 0; part < texts.size(); ++part) {
        if (texts[part] != bar.texts[part]) {
            bar.texts[part] = texts[part];
            SendMessageW(bar.window, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(texts[part].c_str()));
        }
    }
}
