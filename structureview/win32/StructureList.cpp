// The Structure window's list: a virtual report list whose rows the tree
// model gives one at a time, indented by depth with a glyph to open and
// close them; a row chosen selects its bytes, a value typed goes to the core.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <new>

#include "commands/win32/ListColumns.h"
#include "commands/win32/ValueEditBox.h"
#include "editor/EditorCore.h"
#include "editor/win32/GlobalClipboard.h"
#include "editor/win32/TextConversion.h"
#include "editor/win32/ToolWindows.h"
#include "structureview/FieldEditing.h"
#include "structureview/RowText.h"
#include "structureview/win32/StructurePanel.h"
#include "structureview/win32/StructureWindow.h"

namespace {

constexpr int columnWidthsAt96[structureColumnCount] = {170, 150, 70, 60, 90};
constexpr const wchar_t* columnTitles[structureColumnCount] = {L"Name", L"Value", L"Offset", L"Size", L"Type"};
constexpr COLORREF errorTextColor = RGB(192, 0, 0);
// A row's name is indented by depth, then shows whether it is open.
constexpr wchar_t indentStep[] = L"    ";
constexpr wchar_t closedGlyph[] = L"+ ";
constexpr wchar_t openGlyph[] = L"- ";
constexpr wchar_t leafGlyph[] = L"  ";
// The list's own margin before a cell's text, and the glyph's width a click may miss by.
constexpr int textMarginAt96 = 6;

// The texts of the row drawn last: the list asks for them a column at a time.
struct ShownRow {
    std::size_t index = SIZE_MAX;
    StructureRow row;
    std::array<std::wstring, structureColumnCount> texts;
};
ShownRow shown;

StructureTree* tree()
{
    return structurePanel.view != nullptr ? structurePanel.view->tree() : nullptr;
}

// The rows the list was last told of: reading a row may find a data error, which adds its row.
bool rowsMiscounted()
{
    return tree() != nullptr &&
           tree()->rowCount() != static_cast<std::size_t>(SendMessageW(structurePanel.list, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring indentOf(int depth)
{
    std::wstring indent;
    for (int level = 0; level < depth; ++level) {
        indent += indentStep;
    }
    return indent;
}

const ShownRow& rowAt(std::size_t index)
{
    if (shown.index != index) {
        shown.index = index;
        shown.row = tree()->row(index);
        if (rowsMiscounted()) {
            PostMessageW(structurePanel.window, structureRecountMessage, 0, 0); // not while the list draws
        }
        const RowText text = rowText(shown.row);
        const wchar_t* glyph = !shown.row.hasChildren() ? leafGlyph : shown.row.open ? openGlyph : closedGlyph;
        shown.texts = {indentOf(shown.row.depth) + glyph + wideText(text.name, CP_UTF8), wideText(text.value, CP_UTF8),
                       wideText(text.offset, CP_UTF8), wideText(text.size, CP_UTF8), wideText(text.type, CP_UTF8)};
    }
    return shown;
}

int selectedIndex()
{
    return static_cast<int>(
        SendMessageW(structurePanel.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void giveText(NMLVDISPINFOW& info)
{
    StructureTree* const rows = tree();
    if ((info.item.mask & LVIF_TEXT) == 0 || info.item.cchTextMax <= 0 || rows == nullptr || info.item.iItem < 0 ||
        static_cast<std::size_t>(info.item.iItem) >= rows->rowCount() || info.item.iSubItem < 0 ||
        info.item.iSubItem >= structureColumnCount) {
        return;
    }
    const std::wstring& text = rowAt(static_cast<std::size_t>(info.item.iItem)).texts[static_cast<std::size_t>(info.item.iSubItem)];
    // The list's area is of its own size; a longer text shows cut, as any cell's does.
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(info.item.cchTextMax) - 1);
    std::wmemcpy(info.item.pszText, text.c_str(), length);
    info.item.pszText[length] = L'\0';
}

// Opens or closes the row; the rows below it move, so the list is counted again.
void setOpen(std::size_t index, bool open)
{
    if (tree()->setOpen(index, open)) {
        showStructureRows();
        selectStructureRow(index);
    }
}

void toggleRow(std::size_t index)
{
    setOpen(index, !rowAt(index).row.open);
}

// The nearest row above at a lesser depth.
std::optional<std::size_t> parentRow(std::size_t index)
{
    const int depth = rowAt(index).row.depth;
    for (std::size_t above = index; above-- > 0;) {
        if (rowAt(above).row.depth < depth) {
            return above;
        }
    }
    return std::nullopt;
}

bool commitField(int row, const std::wstring& text)
{
    std::string typed;
    narrowText(text, CP_UTF8, typed);
    return tree() != nullptr && writeField(editorCore, *tree(), static_cast<std::size_t>(row), typed) != FieldWrite::invalid;
}

void editRow(std::size_t index)
{
    if (rowAt(index).row.kind != RowKind::leaf || editorCore.files.refuseEdit()) {
        return;
    }
    beginValueEdit(structurePanel.list, static_cast<int>(index), valueColumn,
                   wideText(editText(rowAt(index).row), CP_UTF8), commitField);
}

// Enter and a double-click: a row with children opens or closes, a leaf is edited.
void activateRow(std::size_t index)
{
    if (rowAt(index).row.hasChildren()) {
        toggleRow(index);
    } else {
        editRow(index);
    }
}

bool onGlyph(std::size_t index, POINT point)
{
    RECT cell{};
    cell.top = nameColumn;
    cell.left = LVIR_LABEL;
    if (!rowAt(index).row.hasChildren() ||
        SendMessageW(structurePanel.list, LVM_GETSUBITEMRECT, index, reinterpret_cast<LPARAM>(&cell)) == 0) {
        return false;
    }
    const std::wstring indent = indentOf(rowAt(index).row.depth);
    const auto width = [](const std::wstring& text) {
        return static_cast<int>(SendMessageW(structurePanel.list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
    };
    const int glyphLeft = cell.left + width(indent);
    const int glyphRight = glyphLeft + width(closedGlyph) + scaledToEditor(textMarginAt96);
    return point.x >= glyphLeft && point.x < glyphRight;
}

void copyText(const std::wstring& text)
{
    putOnClipboard(structurePanel.window, CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

void onKey(WORD key)
{
    const int index = selectedIndex();
    if (key == 'C' && GetKeyState(VK_CONTROL) < 0) {
        copyStructureValue();
        return;
    }
    if (index < 0) {
        return;
    }
    const auto row = static_cast<std::size_t>(index);
    switch (key) {
    case VK_F2:
        editRow(row);
        break;
    case VK_RIGHT:
        if (rowAt(row).row.hasChildren() && !rowAt(row).row.open) {
            setOpen(row, true);
        }
        break;
    case VK_LEFT:
        if (rowAt(row).row.open) {
            setOpen(row, false);
        } else if (const auto parent = parentRow(row)) {
            selectStructureRow(*parent);
            structurePanel.view->showRow(*parent);
        }
        break;
    default:
        break;
    }
}

LRESULT customDraw(NMLVCUSTOMDRAW& draw)
{
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        if (tree() != nullptr && draw.nmcd.dwItemSpec < tree()->rowCount() &&
            rowAt(draw.nmcd.dwItemSpec).row.kind == RowKind::error) {
            draw.clrText = errorTextColor;
        }
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

void onSelectionChanged(const NMLISTVIEW& change)
{
    const bool selectedNow = (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0;
    if (selectedNow && change.iItem >= 0 && !structurePanel.followingCursor && structurePanel.view != nullptr) {
        endValueEdit();
        structurePanel.view->showRow(static_cast<std::size_t>(change.iItem));
    }
}

} // namespace

void createStructureList(HWND window)
{
    structurePanel.list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                                              LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | LVS_OWNERDATA,
                                          0, 0, 0, 0, window, nullptr, editorCore.instance, nullptr);
    SendMessageW(structurePanel.list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (int column = 0; column < structureColumnCount; ++column) {
        addListColumn(structurePanel.list, column, columnTitles[column], scaledToEditor(columnWidthsAt96[column]));
    }
    dropStructureList();
}

void copyStructureValue()
{
    const int index = selectedIndex();
    if (index >= 0 && tree() != nullptr) {
        copyText(rowAt(static_cast<std::size_t>(index)).texts[valueColumn]);
    }
}

void copyStructureJson()
{
    if (structurePanel.view == nullptr || tree() == nullptr) {
        return;
    }
    try {
        copyText(wideText(structurePanel.view->treeJson(), CP_UTF8));
    } catch (const std::bad_alloc&) {
        // A tree of millions of rows makes gigabytes of JSON.
        if (editorCore.shell.prompts != nullptr) {
            editorCore.shell.prompts->tell({Notice::warning, L"Not enough memory to copy the tree as JSON.", structureCaption});
        }
    }
}

void dropStructureList()
{
    shown = ShownRow{};
}

void showStructureRows()
{
    shown.index = SIZE_MAX;
    endValueEdit(); // its row may have moved
    SendMessageW(structurePanel.list, LVM_SETITEMCOUNT, tree() != nullptr ? tree()->rowCount() : 0, LVSICF_NOSCROLL);
    InvalidateRect(structurePanel.list, nullptr, TRUE);
}

void selectStructureRow(std::size_t row)
{
    structurePanel.followingCursor = true;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(structurePanel.list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    SendMessageW(structurePanel.list, LVM_ENSUREVISIBLE, row, FALSE);
    structurePanel.followingCursor = false;
}

void followStructureRow(std::size_t row)
{
    if (rowsMiscounted()) {
        showStructureRows();
    }
    selectStructureRow(row);
}

LRESULT structureListNotify(const NMHDR& header)
{
    if (header.hwndFrom != structurePanel.list || tree() == nullptr) {
        return 0;
    }
    switch (header.code) {
    case LVN_GETDISPINFOW:
        giveText(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
        break;
    case NM_CUSTOMDRAW:
        return customDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
    case LVN_ITEMCHANGED:
        onSelectionChanged(reinterpret_cast<const NMLISTVIEW&>(header));
        break;
    case NM_CLICK: {
        const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
        if (click.iItem >= 0 && onGlyph(static_cast<std::size_t>(click.iItem), click.ptAction)) {
            toggleRow(static_cast<std::size_t>(click.iItem));
        }
        break;
    }
    case NM_DBLCLK: {
        const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
        if (click.iItem >= 0 && !onGlyph(static_cast<std::size_t>(click.iItem), click.ptAction)) {
            activateRow(static_cast<std::size_t>(click.iItem));
        }
        break;
    }
    case LVN_KEYDOWN:
        onKey(reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
        break;
    case LVN_BEGINSCROLL:
        endValueEdit(); // the box would stay where the row was
        break;
    default:
        break;
    }
    return 0;
}

void structureListEnter()
{
    const int index = selectedIndex();
    if (index >= 0 && tree() != nullptr) {
        activateRow(static_cast<std::size_t>(index));
    }
}

void showStructureListMenu(LPARAM point)
{
    POINT where{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    if (point == -1) { // from the keyboard: at the selected row
        RECT row{};
        row.left = LVIR_LABEL;
        SendMessageW(structurePanel.list, LVM_GETITEMRECT, static_cast<WPARAM>(std::max(selectedIndex(), 0)),
                     reinterpret_cast<LPARAM>(&row));
        where = {row.left, row.bottom};
        ClientToScreen(structurePanel.list, &where);
    }
    HMENU menu = CreatePopupMenu();
    const UINT valueState = selectedIndex() >= 0 && tree() != nullptr ? MF_ENABLED : MF_GRAYED;
    AppendMenuW(menu, MF_STRING | valueState, structureCopyValueCommand, L"&Copy Value");
    AppendMenuW(menu, MF_STRING | (tree() != nullptr ? MF_ENABLED : MF_GRAYED), structureCopyJsonCommand,
                L"Copy as &JSON");
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, where.x, where.y, 0, structurePanel.window, nullptr);
    DestroyMenu(menu);
}
