#pragma once
// Edit, Checksums: the sums of the selection, or of the whole document, in
// the "NibChecksumsDlg" template, each with a Copy button.
#include <windows.h>

void showChecksums(HWND frame);
