#pragma once
// The editor window's expected layout, worked out independently of the editor
// from the font the settings name and the system's own measures.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "editor/EditorCore.h"
#include "panes/win32/PaneObjects.h"
#include "tests/win32/HostedEditorFixture.h"

struct Geometry {
    int charWidth;
    int lineHeight;
    int textAreaHeight;
    int width;
    int height;
};

// The frame's size worked out here from the font the settings name, measured
// on the screen, and the system's own measures.
inline Geometry expectedGeometry(std::uint32_t style, int octal)
{
    char size[1024] = {};
    char face[1024] = {};
    EXPECT_TRUE(editorCore.readSetting("FontSize", size, sizeof size));
    EXPECT_TRUE(editorCore.readSetting("FontName", face, sizeof face));
    LOGFONTA description{};
    description.lfHeight = std::atoi(size);
    lstrcpynA(description.lfFaceName, face, LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&description);
    HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);

    const bool child = (style & WS_CHILD) != 0;
    const bool caption = (style & WS_CAPTION) != 0;
    const bool thick = (style & WS_THICKFRAME) != 0;
    const int menu = child ? 0 : GetSystemMetrics(SM_CYMENU);
    const int captionHeight = caption ? GetSystemMetrics(SM_CYCAPTION) : 0;
    const int frame = thick ? GetSystemMetrics(SM_CXFRAME) : 1;
    const int extra = thick ? 11 : 0;

    Geometry g{};
    g.charWidth = metrics.tmAveCharWidth;
    g.lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    g.textAreaHeight = static_cast<int>(25.8 * g.lineHeight);
    g.height = g.textAreaHeight + captionHeight + menu + extra;
    const int characters = octal != 0 ? 5 * 16 + 11 : 4 * 16 + 11;
    g.width = characters * g.charWidth + 3 * frame + GetSystemMetrics(SM_CYVSCROLL) + 1;
    return g;
}

inline void expectPaneAt(HWND pane, int x, int width, int height, const char* name)
{
    SCOPED_TRACE(name);
    ASSERT_TRUE(IsWindow(pane));
    EXPECT_EQ(GetParent(pane), editorCore.frameWindow);
    const RECT r = placeOf(pane);
    EXPECT_EQ(r.left, x);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
}

inline void expectLaidOut(const Geometry& g, int octal)
{
    const SIZE frame = windowSize(editorCore.frameWindow);
    EXPECT_EQ(frame.cx, g.width);
    EXPECT_EQ(frame.cy, g.height);
    EXPECT_EQ(editorCore.charWidth, g.charWidth);
    EXPECT_EQ(editorCore.lineHeight, g.lineHeight);
    const int cw = g.charWidth;
    const int hexWidth = (octal != 0 ? 66 : 50) * cw;
    expectPaneAt(offsetPane.window, 0, 6 * cw, g.textAreaHeight, "offset pane");
    expectPaneAt(hexPane.window, 6 * cw, hexWidth, g.textAreaHeight, "hex pane");
    expectPaneAt(asciiPane.window, 6 * cw + hexWidth, 19 * cw, g.textAreaHeight, "ascii pane");
}

// The View menu item's check mark.
inline UINT checked(UINT item)
{
    return GetMenuState(editorCore.viewMenu, item, MF_BYCOMMAND) & MF_CHECKED;
}
