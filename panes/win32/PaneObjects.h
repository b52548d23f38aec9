#pragma once
// The three pane objects: each holds only its window, null until the first
// editor window is created.
#include <windows.h>

#include <cstdint>

struct OffsetPane {
    HWND window = nullptr;
    void create(HWND parent, HINSTANCE instance);
    void drawRow(std::int32_t row, HDC dc, int screenRow, int column);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

struct HexPane {
    HWND window = nullptr;
    void create(HWND parent, HINSTANCE instance);
    void drawRow(std::int32_t row, HDC dc, int screenRow, int column);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

struct AsciiPane {
    HWND window = nullptr;
    void create(HWND parent, HINSTANCE instance);
    void drawRow(std::int32_t row, HDC dc, int screenRow, int column);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

extern OffsetPane offsetPane;
extern HexPane hexPane;
extern AsciiPane asciiPane;
