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
#include "editor/EditorShell.h"
#include "editor/FileFlow.h"
#include "editor/FrameLayout.h"
#include "text/ByteValues.h"
#include "view/ByteTints.h"
#include "view/CoreTypes.h"
#include "view/TypingMode.h"
#include "view/ViewSurface.h"
#include "view/WheelTurn.h"

struct EditorCore {
    static constexpr std::uint32_t styleChild = 0x40000000;     // WS_CHILD
    static constexpr std::uint32_t styleCaption = 0x00C00000;   // WS_CAPTION
    static constexpr std::uint32_t styleThickFrame = 0x00040000;
    static constexpr std::uint32_t styleVScroll = 0x00200000;
    static constexpr int maxScrollPosition = 65535;
    // activePane: which data pane takes the keyboard.
    static constexpr std::int32_t hexPaneActive = 0;
    static constexpr std::int32_t asciiPaneActive = 2;

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

    // The label digits, the resolution and the status bar the frame is laid out for.
    FrameLayout layout{*this};
    // The wheel's turn not yet scrolled.
    WheelTurn wheel;
    // Typing and Paste insert bytes instead of overwriting them, or not.
    TypingMode typing;
    // The tints the Structure window lays under the bytes; none while it shows no tree.
    const ByteTints* fieldTints = nullptr;

    // Repaints the three panes through the surface.
    void repaint(Repaint when);

    // --- Geometry (editor/FrameLayout.cpp) ---
    int offsetPaneWidth(int octal) const;
    int hexPaneWidth(int octal) const;
    int asciiPaneWidth(int octal) const;
    void getSize(int& width, int& height) const;

    // --- Scroll bar (editor/ScrollBar.cpp) ---
    static int scrollPosForRow(std::int32_t row, std::int32_t rows);
    void updateScrollRange(bool evenForOnePage = false);
    int isOctalView() const;

    // --- Offsets (view/OffsetArithmetic.cpp) ---
    std::int32_t offsetAt(std::int32_t row, std::int32_t column) const;
    std::int32_t rowOf(std::int32_t offset) const;
    void rowAndColumnOf(std::int32_t offset, std::int32_t& row, std::int32_t& column) const;
    // text holds at least 5 chars.
    void cellText(std::int32_t offset, CellKind kind, char* text) const;

    // --- Cell drawing (view/CellRendering.cpp) ---
    void drawOffsetCell(int screenRow, std::int32_t offset, CellStyle style);
    void drawNumberCell(int screenRow, int column, std::int32_t offset, int digit, CellStyle style);
    void drawCharCell(int screenRow, int column, std::int32_t offset, CellStyle style);
    void showCursor(int screenRow, int column, std::int32_t offset, int digit);
    void hideCursor(int screenRow, int column, std::int32_t offset, int digit);
    void highlightSelection();
    void unhighlightSelection();
    bool hasSelection() const { return selectionEndRow != -1 && selectionEndColumn != -1; }

    // --- The view and its moves (view/ViewModel.cpp) ---
    void scrollToRow(std::int32_t row);
    void recenterOnCursor();
    void moveUp();
    void moveDown();
    void moveLeft();
    void moveRight();

    // --- Editing (view/Editing.cpp) ---
    // False, changing nothing, when the removal cannot be undone and the user
    // chose not to make it.
    bool deleteSelection();
    // False, changing nothing, when the count is below 1, the size would pass
    // the 32-bit limit, or the memory cannot be had.
    bool insertZeros(std::int32_t count);

    // --- Undo and redo (view/UndoRedo.cpp) ---

    // --- The mouse in the data panes (view/PointerInput.cpp) ---
    ScreenCell cellAtPoint(int x, int y, CellMapping mapping) const;

    // --- Opening, saving and closing (editor/FileFlow.cpp) ---

    // --- Win32 shell only (editor/win32/) ---
    // The host's call: the file named in the ANSI code page.
    int create(WindowHandle parent, std::uint32_t style, int x, int y,
               InstanceHandle moduleInstance, const char* path);
    void computeGeometry();
    bool readSetting(const char* name, char* area, int capacity);
    bool writeSetting(const char* name, const char* text);
    void move(int x, int y);
    void focusActivePane();
};

// The one editor object of the program (defined by the Win32 shell).
extern EditorCore editorCore;
