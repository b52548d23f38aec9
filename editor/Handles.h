#pragma once
// Window-system handles as opaque pointer types. They name the very types that
// <windows.h> declares, so the Win32 shell passes them without casts, while the
// platform-neutral core stays free of that header.
#include <cstdint>

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
