#pragma once
// The one editor object: document, view state, colours, font, frame window,
// menus and computed geometry. Its platform-neutral operations are defined by
// concern in the subsystem folders; those that need Win32 live in their win32/
// subfolders.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "commands/Comparison.h"
#include "commands/SearchSession.h"
#include "document/ByteRange.h"
#include "document/EditHistory.h"
#include "document/FileBuffer.h"
#include "document/PatternSearch.h"
#include "document/Progress.h"
#include "editor/DisplayScale.h"
#include "editor/EditorShell.h"
#include "editor/FileFlow.h"
#include "view/ByteValues.h"
#include "view/CoreTypes.h"
#include "view/TypingMode.h"
#include "view/ViewSurface.h"

// Text measurements of the display font, as GetTextMetrics reports them.
struct FontMetrics {
    int height = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
};

// The system measures the frame's size allows for.
struct FrameMetrics {
    int menuHeight = 0;       // SM_CYMENU
    int captionHeight = 0;    // SM_CYCAPTION
    int frameWidth = 0;       // SM_CXFRAME
    int scrollBarWidth = 0;   // SM_CYVSCROLL
};

// A frame's outer size, in pixels.
struct FrameSize {
    int width = 0;
    int height = 0;
};

// The requests of the frame's vertical scroll bar, numbered as the window
// system numbers them (SB_LINEUP ... SB_BOTTOM).
enum class ScrollRequest {
    lineUp = 0,
    lineDown = 1,
    pageUp = 2,
    pageDown = 3,
    thumbPosition = 4,
    thumbTrack = 5,
    top = 6,
    bottom = 7,
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};
struct FontDescription; // editor/FontSettings.h

// Rows from `first` up to, not including, `end`.
struct RowRange {
    std::int32_t first = 0;
    std::int32_t end = 0;
};

struct EditorCore {
    static constexpr std::uint32_t styleChild = 0x40000000;     // WS_CHILD
    static constexpr std::uint32_t styleCaption = 0x00C00000;   // WS_CAPTION
    static constexpr std::uint32_t styleThickFrame = 0x00040000;
    static constexpr std::uint32_t styleVScroll = 0x00200000;
    static constexpr int maxScrollPosition = 65535;
    // activePane: which data pane takes the keyboard.
    static constexpr std::int32_t hexPaneActive = 0;
    static constexpr std::int32_t asciiPaneActive = 2;
    // Row labels have at least four hexadecimal digits; a 31-bit offset has eight.
    static constexpr std::int32_t minimumOffsetDigits = 4;
    // The wheel's delta for one notch.
    static constexpr int wheelNotch = 120;

    EditorCore();

    std::int32_t pageRows = 25;
    std::int32_t bytesPerRow = 16;
    ColorRef activeCursorColor = 0xFFFFFF;
    ColorRef inactiveCursorColor = 0x777777;
    ColorRef textColor = 0xFFFFFF;
    ColorRef backgroundColor = 0x000000;
    ColorRef selectionColor = 0xFFFFFF;
    std::int32_t textAreaHeight = 0;
    std::int32_t windowHeight = 0;
    std::int32_t windowWidth = 0;
    std::int32_t windowX = 0;
    std::int32_t windowY = 0;
    std::int32_t charWidth = 0;
    std::int32_t lineHeight = 0;
    std::int32_t octalMode = 0;
    std::int32_t activePane = hexPaneActive;
    std::int32_t cursorRow = 0;
    std::int32_t firstVisibleRow = 0;
    std::int32_t lastVisibleRow = 0; // exclusive
    std::int32_t cursorOffset = 0;
    std::int32_t cursorScreenRow = 0;
    std::int32_t cursorColumn = 0;
    std::int32_t digitIndex = 0;
    std::int32_t selectionEndRow = -1;
    std::int32_t selectionEndColumn = -1;
    FileBuffer buffer;
    // The changes to the document, for undo and redo, and whether it is saved.
    EditHistory history;
    std::uint32_t windowStyle = 0;
    BrushHandle backgroundBrush = nullptr;
    FontHandle font = nullptr;
    DeviceContextHandle windowDC = nullptr;
    InstanceHandle instance = nullptr;
    WindowHandle parentWindow = nullptr;
    WindowHandle frameWindow = nullptr;
    MenuHandle menuBar = nullptr;
    MenuHandle fileMenu = nullptr;
    MenuHandle editMenu = nullptr;
    MenuHandle viewMenu = nullptr;

    // Where drawing, questions, messages and files go; a part left out does nothing.
    EditorShell shell;
    // Opening, saving and closing, with the document's file and the recent files.
    FileFlow files{*this};
    // The other file of a comparison, the run stepped to last and the difference colour.
    Comparison comparison{*this};
    // The last search of either Find dialog, and the Find and Replace dialog's session.
    SearchSession search{*this};

    // Beyond the original fields: the hexadecimal digits the offset pane is
    // laid out for (set with the geometry), and the wheel's turn not yet
    // scrolled, in notch units times lines per notch.
    std::int32_t offsetDigits = minimumOffsetDigits;
    std::int32_t wheelTurn = 0;
    // Typing and Paste insert bytes instead of overwriting them, or not.
    TypingMode typing;
    // The screen resolution (dots per inch) the font and frame are made for;
    // the stored "FontSize" is kept at 96 and scaled to it.
    std::int32_t dpi = display::referenceDpi;
    // The status bar's height while it is shown: the frame grows by it, so
    // the panes keep their size.
    std::int32_t statusBarHeight = 0;

    // Repaints the three panes through the surface.
    void repaint(Repaint when);

    // --- Geometry (editor/Geometry.cpp) ---
    // The digits the row labels of the document need: four, or as many as
    // its last row's offset has.
    std::int32_t labelDigitsNeeded() const;
    // After the size changed: when the labels need another number of digits,
    // the frame and its panes are laid out again.
    void followLabelWidth();
    int offsetPaneWidth(int octal) const;
    int hexPaneWidth(int octal) const;
    int asciiPaneWidth(int octal) const;
    // Fills charWidth, lineHeight, textAreaHeight, windowHeight, windowWidth.
    void applyGeometry(const FontMetrics& font, const FrameMetrics& system);
    // The frame's size applyGeometry would give for such a font, in the
    // current view, style and document; nothing changes.
    FrameSize frameSizeFor(const FontMetrics& font, const FrameMetrics& system) const;
    // Where a pane goes in the current view.
    PaneRect paneRect(Pane pane) const;
    // A top-level window's normal position is kept from the corner of its
    // monitor's work area; moving it takes screen coordinates. A child's
    // position is in its parent's client area either way.
    static ScreenPoint screenFromWorkspace(ScreenPoint normal, ScreenPoint workAreaCorner,
                                           ScreenPoint monitorCorner, bool topLevel);
    void getSize(int& width, int& height) const;

    // --- Scroll bar (editor/ScrollBar.cpp) ---
    // The range's upper end; 0 hides the bar, unless it is asked to show
    // even when every row fits on one page.
    int scrollRangeMax(bool evenForOnePage = false) const;
    static int scrollPosForRow(std::int32_t row, std::int32_t rows);
    static std::int32_t rowForScrollPos(int position, std::int32_t rows);
    void updateScrollRange(bool evenForOnePage = false);
    // The range, and the thumb at the given row.
    void syncScrollBar(std::int32_t row);
    int isOctalView() const;

    // --- Offsets (view/OffsetArithmetic.cpp) ---
    std::int32_t offsetAt(std::int32_t row, std::int32_t column) const;
    std::int32_t rowOf(std::int32_t offset) const;
    void rowAndColumnOf(std::int32_t offset, std::int32_t& row, std::int32_t& column) const;
    // text holds at least 5 chars.
    void cellText(std::int32_t offset, CellKind kind, char* text) const;
    static char characterForm(std::uint8_t byte);
    // A row's label in the offset pane: its first offset in uppercase
    // hexadecimal, right-aligned to offsetDigits ("%4X" while four will do).
    // Unsigned, as rows below a recentred view may lie past the 32-bit offsets.
    std::string rowLabel(std::int32_t row) const;

    // --- Rows as the panes paint them (view/RowText.cpp) ---
    // The rows a pane paints: the visible ones that the document has.
    RowRange paintedRows() const;
    // A row's text in a pane, from its first character: the label, the
    // numbers (blank past the data) or the characters (blank past the data).
    std::string rowText(Pane pane, std::int32_t row) const;
    // What a pane's painting ends with: the cursor when its row is on screen
    // and, in the data panes, the selection.
    void paintCursorAndSelection(Pane pane);

    // --- Cell drawing (view/CellRendering.cpp) ---
    void drawOffsetCell(int screenRow, std::int32_t offset, CellStyle style);
    void drawNumberCell(int screenRow, int column, std::int32_t offset, int digit, CellStyle style);
    void drawCharCell(int screenRow, int column, std::int32_t offset, CellStyle style);
    void showCursor(int screenRow, int column, std::int32_t offset, int digit);
    void hideCursor(int screenRow, int column, std::int32_t offset, int digit);
    // The same at the cursor's own place (its screen row, column, offset, digit).
    void showCursorHere();
    void hideCursorHere();
    void highlightSelection();
    void unhighlightSelection();
    bool hasSelection() const { return selectionEndRow != -1 && selectionEndColumn != -1; }
    // A byte of the data lies under the cursor (not the end position or past it).
    bool cursorOnByte() const { return cursorOffset >= 0 && cursorOffset < buffer.size; }

    // --- Cursor and moves (view/ViewModel.cpp) ---
    // The one place the cursor is put: its row, column and screen row follow
    // from the offset and the visible rows.
    void setCursorOffset(std::int32_t offset);
    // No selection; nothing is drawn.
    void clearSelection();
    // Undraws the selection, when there is one, and clears it.
    void hideSelection();
    void scrollToRow(std::int32_t row);
    // The view from `row` as scrollToRow puts it, the cursor staying on its
    // byte: its row and screen row follow again.
    void showRowsFrom(std::int32_t row);
    void recenterOnCursor();
    void moveUp();
    void moveDown();
    void moveLeft();
    void moveRight();
    // The hex pane's Left and Right: digit by digit while it has the keyboard.
    void moveLeftByDigit();
    void moveRightByDigit();
    // The last digit of a number cell in the current view.
    int lastDigit() const;
    // Tab: the other data pane takes the keyboard; the cursor is redrawn in
    // its new colours.
    void switchActivePane(std::int32_t pane);

    // --- Selecting from the keyboard (view/SelectionKeys.cpp) ---
    // Shift with a move key: the selection's moving end goes by a byte, a row,
    // a page, or to the start or the end position; the cursor is the anchor.
    // The view follows the moving end.
    enum class SelectionMove { left, right, up, down, pageUp, pageDown, home, end };
    void extendSelection(SelectionMove move);
    // The moving end's offset (the cursor's when there is no selection).
    std::int64_t selectionEndOffset() const;
    // Go to offset: the cursor there, the view scrolled to it as for a match;
    // false, moving nothing, for an offset outside 0 to the size.
    bool goToOffset(std::int64_t offset);

    // --- Scrolling the view (view/Scrolling.cpp) ---
    // The mouse wheel: `delta` in wheelNotch units per notch, forward being
    // positive; it scrolls linesPerNotch rows a notch the way the scroll
    // bar's arrows scroll a row, keeping what a notch has not yet reached.
    void wheel(int delta, int linesPerNotch);
    // A request of the frame's scroll bar (or of the page and jump keys).
    // False when a line or page request would pass the document's ends: then
    // nothing changes at all.
    bool scroll(ScrollRequest request, int thumbPosition);
    // The view from the first row when that shows the cursor's row, from the
    // cursor's row otherwise; the cursor stays on its byte. For a new window.
    void showCursorFromTop();
    // The cursor's row at the top of the view (the last page when it lies
    // within it), the scroll thumb with it, repainted later: after Find, Paste
    // and Open.
    void scrollCursorToTop();

    // --- Editing (view/Editing.cpp) ---
    // After the document grew: the view fitted to its rows, the scroll bar
    // and the offset pane's width following, repainted later.
    void showGrownRows();
    // False, changing nothing, when the removal cannot be undone and the user
    // chose not to make it.
    bool deleteSelection();
    // False, changing nothing, when the count is below 1, the size would pass
    // the 32-bit limit, or the memory cannot be had.
    bool insertZeros(std::int32_t count);

    // --- Undo and redo (view/UndoRedo.cpp) ---
    // The cursor on a changed place without a selection, the view fitted to
    // the rows and showing it, repainted later.
    void showChangedPlace(std::int32_t offset);

    // --- Paste and Find (commands/Paste.cpp, commands/Find.cpp) ---
    // The cursor just after pasted bytes, the view following it below.
    void showPasteEnd(std::int32_t after);

    // --- Find and Replace (commands/FindReplace.cpp) ---
    // `count` bytes from `first` selected, the cursor on the first, the view
    // scrolled to it when it is off screen.
    void selectRange(std::int64_t first, std::int64_t count);

    // --- The mouse in the data panes (view/PointerInput.cpp) ---
    ScreenCell cellAtPoint(int x, int y, CellMapping mapping) const;
    // How a point in the pane maps to a cell in the current view.
    CellMapping mappingFor(Pane pane) const;
    // A left click at a point of a data pane: the cursor on the cell (the end
    // position past the last byte), the pane takes the keyboard, the panes are
    // repainted at once. A click in the hex pane also clears the selection.
    void clickAt(Pane pane, int x, int y);
    // A drag with the left button down: the selection's far end to the cell.
    void dragTo(Pane pane, int x, int y);

    // --- Opening, saving and closing (editor/FileFlow.cpp) ---
    // The scroll range and the row labels for a document of another size.
    void showNewSize();

    // --- Win32 shell only (editor/win32/) ---
    // The host's call: the file named in the ANSI code page.
    int create(WindowHandle parent, std::uint32_t style, int x, int y,
               InstanceHandle moduleInstance, const char* path);
    // Any file name; a missing file may be offered as a new document.
    int createOn(WindowHandle parent, std::uint32_t style, int x, int y,
                 InstanceHandle moduleInstance, const FilePath& path, bool offerToCreate);
    void computeGeometry();
    bool readSetting(const char* name, char* area, int capacity);
    bool writeSetting(const char* name, const char* text);
    // A setting stored as "1" or "0": false when it is not stored.
    bool readFlagSetting(const char* name);
    bool writeFlagSetting(const char* name, bool value);
    // True when the setting has a value at all, whether or not it fits an area.
    bool settingStored(const char* name);
    // The five colours from the settings; an unreadable one keeps its value.
    void readColorSettings();
    // The display font from "FontSize" and "FontName", writing their defaults
    // when they cannot be read; the stored height is scaled from 96 to dpi.
    FontHandle createFontFromSettings();
    // The font the settings name, writing nothing: the stored "FontSize" or
    // fallbackHeight, and a stored "FontName" that fits, else the default face.
    FontDescription storedFontDescription(std::int32_t fallbackHeight);
    // A newly chosen font or background takes the old one's place everywhere
    // it is used; the old object is released once nothing holds it. False,
    // changing nothing, when the brush cannot be made.
    void replaceFont(FontHandle newFont);
    bool replaceBackgroundBrush(ColorRef color);
    void move(int x, int y);
    void focusActivePane();
};

// The one editor object of the program (defined by the Win32 shell).
extern EditorCore editorCore;
