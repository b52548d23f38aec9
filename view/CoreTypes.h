#pragma once
// The bottom of the include graph: the small types that the core and the shell
// share. Includes nothing of the project, so every header may include it.
#include <cstdint>

// Window-system handles as opaque pointer types. They name the very types that
// <windows.h> declares, so the Win32 shell passes them without casts, while the
// platform-neutral core stays free of that header.
struct HWND__;
struct HMENU__;
struct HBRUSH__;
struct HFONT__;
struct HDC__;
struct HINSTANCE__;

using WindowHandle = HWND__*;
using MenuHandle = HMENU__*;
using BrushHandle = HBRUSH__*;
using FontHandle = HFONT__*;
using DeviceContextHandle = HDC__*;
using InstanceHandle = HINSTANCE__*;

// A colour as 0x00BBGGRR.
using ColorRef = std::uint32_t;

enum class Pane { Offset, Hex, Ascii };

// A pane's place in the frame's client area.
struct PaneRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

enum class CellStyle { Cursor, Normal };

// What a point in a pane maps to.
enum class CellMapping { HexView = 0, OctalView = 1, Characters = 2 };

// How one byte is written in a cell.
enum class CellKind { Hex = 0, Octal = 1, Character = 2 };

struct ScreenCell {
    int row = 0;
    int column = 0;
};
