#include "commands/win32/ListColumns.h"

#include <commctrl.h>

void addListColumn(HWND list, int column, const wchar_t* title, int width)
{
    LVCOLUMNW header{};
    header.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    header.pszText = const_cast<wchar_t*>(title);
    header.cx = width;
    header.iSubItem = column;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&header));
}
