#pragma once
// The one editor object: document, view state, colours, font, frame window,
// menus and computed geometry. Operations are defined by concern in the
// subsystem folders; those that need Win32 live in the shell's files.
#include <cstdint>
#include <string>

#include "document/FileBuffer.h"
#include "editor/Handles.h"
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

struct ScreenCell {
    int row = 0;
    int column = 0;
};

struct EditorCore {
    static constexpr std::uint32_t styleChild = 0x40000000;     // WS_CHILD
    static constexpr std::uint32_t styleCaption = 0x00C00000;   // WS_CAPTION
    static constexpr std::uint32_t styleThickFrame = 0x00040000;
    static constexpr std::uint32_t styleVScroll = 0x00200000;
    static constexpr int maxScrollPosition = 65535;

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
    std::int32_t activePane = 0;     // 0 hex pane, 2 ASCII pane
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

    // Where drawing and repainting go; none draws nothing.
    ViewSurface* surface = nullptr;

    // --- Geometry (editor/Geometry.cpp) ---
    int offsetPaneWidth(int octal) const;
    int hexPaneWidth(int octal) const;
    int asciiPaneWidth(int octal) const;
    // Fills charWidth, lineHeight, textAreaHeight, windowHeight, windowWidth.
    void applyGeometry(const FontMetrics& font, const FrameMetrics& system);
    // Where a pane goes in the current view.
    PaneRect paneRect(Pane pane) const;
    void getSize(int& width, int& height) const;

    // --- Scroll bar (editor/ScrollBar.cpp) ---
    int scrollRangeMax() const;
    static int scrollPosForRow(std::int32_t row, std::int32_t rows);
    static std::int32_t rowForScrollPos(int position, std::int32_t rows);
    void updateScrollRange();
    int isOctalView() const;

    // --- Offsets (view/OffsetArithmetic.cpp) ---
    std::int32_t offsetAt(std::int32_t row, std::int32_t column) const;
    std::int32_t rowOf(std::int32_t offset) const;
    void rowAndColumnOf(std::int32_t offset, std::int32_t& row, std::int32_t& column) const;
    // kind: 0 hexadecimal, 1 octal, 2 character; text holds at least 5 chars.
    void cellText(std::int32_t offset, int kind, char* text) const;
    static char characterForm(std::uint8_t byte);
    // A row's label in the offset pane: its first offset as "%4X". Unsigned, as
    // rows below a recentred view may lie past the 32-bit offsets.
    std::string rowLabel(std::int32_t row) const;

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

    // --- View model (view/ViewModel.cpp) ---
    void scrollToRow(std::int32_t row);
    void recenterOnCursor();
    ScreenCell cellAtPoint(int x, int y, CellMapping mapping) const;
    void moveUp();
    void moveDown();
    void moveLeft();
    void moveRight();
    void deleteSelection();
    // False, changing nothing, when the count is below 1, the size would pass
    // the 32-bit limit, or the memory cannot be had.
    bool insertZeros(std::int32_t count);

    // --- Win32 shell only (editor/*Win32.cpp) ---
    int create(WindowHandle parent, std::uint32_t style, int x, int y,
               InstanceHandle moduleInstance, const char* path);
    void computeGeometry();
    bool readSetting(const char* name, char* area, int capacity);
    bool writeSetting(const char* name, const char* text);
    // True when the setting has a value at all, whether or not it fits an area.
    bool settingStored(const char* name);
    // The five colours from the settings; an unreadable one keeps its value.
    void readColorSettings();
    // The display font from "FontSize" and "FontName", writing their defaults
    // when they cannot be read.
    FontHandle createFontFromSettings();
    void move(int x, int y);
    void focusActivePane();
    void updateScrollRange(WindowHandle window);
};

// The one editor object of the program (defined by the Win32 shell).
extern EditorCore editorCore;
