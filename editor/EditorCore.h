#pragma once
// The one editor object: document, view state, colours, font, frame window,
// menus and computed geometry. Its platform-neutral operations are defined by
// concern in the subsystem folders; those that need Win32 live in their win32/
// subfolders.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/Comparison.h"
#include "document/EditHistory.h"
#include "document/FileBuffer.h"
#include "document/PatternSearch.h"
#include "document/Progress.h"
#include "editor/EditorShell.h"
#include "editor/FrameLayout.h"
#include "editor/RecentFiles.h"
#include "view/ByteValues.h"
#include "view/CoreTypes.h"
#include "view/ViewSurface.h"
#include "view/WheelTurn.h"

// `count` bytes from offset `first` on.
struct ByteRange {
    std::int32_t first = 0;
    std::int32_t count = 0;
};

enum class PasteOutcome {
    pasted,       // written over the document, or inserted in insert mode
    cutShort,     // written as far as the document reaches; pasteLeftOut bytes were not
    tooLarge,     // an insertion past the 32-bit size: nothing changed
    invalidHex,   // the hex pane's text is no hexadecimal text: nothing changed
    invalidOctal, // the same in the octal view
    declined,     // too large to undo, and the user chose not to: nothing changed
};

enum class UndoOutcome {
    done,     // the change was reversed (or made again); the cursor is where it was made
    nothing,  // no change to undo (or to redo)
    noMemory, // the bytes could not be put back: nothing changed, the step stays
};

enum class FindOutcome {
    found,              // the cursor is on the match, the view shows it
    notFound,           // the pattern is nowhere in the document
    onlyEarlierMatches, // it is there, but only where the last matches were
};

enum class ReplaceOutcome {
    replaced, // the runs hold the replacement, as one change
    declined, // too large to undo, and the user chose not to: nothing changed
    tooLarge, // the document would pass its 32-bit size: nothing changed
    noMemory, // no memory for the rebuilt document: nothing changed
    readOnly, // the document was opened read-only: nothing changed
    cancelled, // the user cancelled the work's progress: nothing changed
};

// What Replace All did: the outcome, and how many matches it replaced.
struct ReplaceAllResult {
    ReplaceOutcome outcome = ReplaceOutcome::replaced;
    std::int64_t count = 0;
};

enum class OpenOutcome {
    opened,    // the file is the document now
    cancelled, // the user stopped at a question or the dialog: nothing changed
    failed,    // the file could not be read, and the user was told: nothing changed
};

// A value typed in the data inspector, and what became of it.
struct ValueWrite {
    enum class Outcome {
        written,        // its bytes are over the document's at the cursor, as one change
        refused,        // a read-only document, or the user kept it as it was
        invalid,        // the text is no value of the type: `message` says why
        notEnoughBytes, // the value runs past the end: `message` says so
    };
    Outcome outcome = Outcome::refused;
    std::string message;
};

// The document's file as the flow of opening and saving knows it.
struct DocumentFile {
    bool readOnlyMode = false; // opened read-only: no command changes the document
    bool writable = true;      // the file itself may be written
    FileStamp onDisk;          // at the load or the latest save
    FileStamp noticed;         // the latest change by another program the user was asked about
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

    // The label digits, the resolution and the status bar the frame is laid out for.
    FrameLayout layout{*this};
    // The wheel's turn not yet scrolled.
    WheelTurn wheel;
    // Typing and Paste insert bytes instead of overwriting them.
    bool insertMode = false;
    // The text colour of bytes that differ from the compared file's (red).
    ColorRef differenceColor = 0x0000FF;
    // The other file of a comparison, as it was read, and the run stepped to last.
    Comparison comparison;
    bool comparing() const { return comparison.active(); }

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
    // A character typed in the hex pane: a digit of the current view replaces
    // the digit at digitIndex of the byte under the cursor. False for any other
    // character. Nothing changes at the end position.
    bool typeDigit(char character);
    // A printable character typed in the ASCII pane overwrites the byte under
    // the cursor. False for any other character.
    bool typeCharacter(unsigned char character);
    // Insert mode's typing: `value` inserted before the cursor's byte (at the
    // end position, appended) as one change; the cursor stays on it while
    // `moreDigits` may complete it, else moves past it.
    void insertTypedByte(std::uint8_t value, bool moreDigits);
    // False, changing nothing, when the removal cannot be undone and the user
    // chose not to make it.
    bool deleteSelection();
    // Delete: the selection undrawn, its bytes removed, no selection left,
    // the panes repainted later. Nothing without a selection, or when the
    // user chose not to make a removal that cannot be undone.
    void removeSelectedBytes();
    // False, changing nothing, when the count is below 1, the size would pass
    // the 32-bit limit, or the memory cannot be had.
    bool insertZeros(std::int32_t count);

    // --- Undo and redo (view/UndoRedo.cpp) ---
    // Reverses the latest change, or makes the latest undone one again. The
    // cursor goes to where the change was made, without a selection, and the
    // view shows it.
    UndoOutcome undo();
    UndoOutcome redo();
    bool documentModified() const { return history.modified(); }
    // The document read afresh from its file, or emptied by a failed read.
    void documentLoaded() { history.reset(); }
    // The document written to its file.
    void documentSaved() { history.markSaved(); }
    // Records an overwrite or a removal about to be made, from the bytes as
    // they are now (an overwrite's new ones are given). A change too large to
    // record is put to the user first: false when they decline, and then
    // nothing may change; going on forgets every step.
    bool recordChange(EditStep::Kind kind, std::int32_t offset, std::int32_t count,
                      const std::uint8_t* newBytes = nullptr);
    // A change made in steps, which the user may yet cancel: true when one of
    // this kind and count can be recorded, else when the user agrees to go
    // on without the history, asked before any byte changes.
    bool mayChange(EditStep::Kind kind, std::int32_t count);
    // Records an overwrite made in steps from the bytes it replaced; the
    // history forgotten when it is too large to keep. False when there was no
    // memory to keep it and the user chose not to go on: the caller puts the
    // old bytes back.
    bool recordOverwriteMade(std::int32_t offset, std::int32_t count, const std::uint8_t* oldBytes);
    // A byte typed at `offset`: its digits after the first join the step of
    // the first while the byte is `open`. False as for recordChange.
    bool recordTypedByte(std::int32_t offset, std::uint8_t value, bool continuesByte, bool open);
    // Records an insertion of zeros just made.
    void recordInsertion(std::int32_t offset, std::int32_t count);
    // Records an insertion of these bytes about to be made; `open` while a
    // typed byte's next digits may join it. False as for recordChange.
    bool recordInsertionOf(std::int32_t offset, const std::uint8_t* inserted, std::int32_t count, bool open);
    // Runs of `matchLength` bytes at the offsets replaced by the replacement,
    // recorded as one change (or put to the user when too large to record).
    ReplaceOutcome replaceRuns(const std::vector<std::int64_t>& offsets, std::int32_t matchLength,
                               const std::vector<std::uint8_t>& replacement);
    // A Replace All made in place kept as one change; put back as it was
    // when it is too large to keep and the user chooses not to go on.
    ReplaceOutcome keepReplacement(ReplacementRecord record);

    // --- Clipboard, insertion and Find (commands/Clipboard.cpp, commands/Find.cpp) ---
    // The selected bytes that exist: between the two ends of the selection,
    // both included, stopping at the last byte. None without a selection.
    ByteRange selectedBytes() const;
    // Paste: the text parsed as the pane and view read it and written over
    // the document from the cursor on, never growing it; the cursor ends just
    // after the last byte written, and the view follows it when it went below.
    // Throws std::bad_alloc, changing nothing, when there is no memory to parse it.
    PasteOutcome pasteText(std::string_view text);
    // The same for bytes taken as they are (Nibblor's own clipboard format).
    // In insert mode they go in before the cursor's byte instead, growing the
    // document; the cursor ends just after them.
    PasteOutcome pasteBytes(const std::uint8_t* bytes, std::size_t count);
    // The bytes the last paste left out: past the document's end when it
    // overwrote, all of them when their insertion was refused for its size.
    std::int64_t pasteLeftOut = 0;
    // Insert mode's Paste. Throws std::bad_alloc, changing nothing, when the
    // memory for the bytes cannot be had.
    PasteOutcome insertPasted(const std::uint8_t* pasted, std::size_t count);
    // Fill (commands/Fill.cpp): the selected bytes overwritten in steps with `pattern` repeated from the
    // selection's first byte, as one change; the selection stays. False, changing nothing, without a selection
    // or pattern, on a read-only document, when the user declines a change too large to undo, or cancels.
    // Throws std::bad_alloc, changing nothing, when there is no memory to keep the bytes it replaces.
    bool fillSelection(const std::vector<std::uint8_t>& pattern, Progress& progress = noProgress());
    // Whether the document can take `count` bytes more within the 32-bit size.
    bool canGrowBy(std::int64_t count) const;
    // Find: the next occurrence from the cursor's row on (wrapping once); the
    // cursor goes to it and the view scrolls it to the top.
    FindOutcome findNext(const std::vector<std::uint8_t>& pattern);

    // --- Bookmarks (view/Bookmarking.cpp) ---
    // The cursor's byte marked, or unmarked when it was; nothing at the end position.
    void toggleBookmark();
    // The cursor to the next or previous mark, wrapping round, brought into
    // view; false without marks.
    bool nextBookmark();
    bool previousBookmark();
    void clearBookmarks();
    bool moveToBookmark(std::int32_t offset);
    // A marked cell's frame in a data pane, at a screen row and column.
    void drawMarkFrame(Pane pane, int screenRow, int column);
    // The frames of the marks on the painted rows of a data pane.
    void paintMarkFrames(Pane pane);

    // --- Comparing with another file (view/Comparing.cpp) ---
    // A byte's text colour outside the cursor and the selection: the
    // difference colour while it differs from the compared file's.
    ColorRef cellTextColor(std::int32_t offset) const;
    // The differing cells of a data pane's painted rows, in the difference colour.
    void paintDifferences(Pane pane);
    // What the comparison found: "The files are identical." or how many
    // bytes differ and where the first is, and whether the lengths differ.
    std::string comparisonSummary() const;
    // The next or previous run of differing bytes selected, the cursor on its
    // first byte, brought into view; false, moving nothing, when there is none.
    bool nextDifferenceRun();
    bool previousDifferenceRun();
    // The Open dialog, then compareWith; false when cancelled or unreadable.
    bool compareFromDialog(Progress& progress = noProgress());
    // The file read as it is now, in steps, to compare the document with;
    // told and false, any comparison going on unchanged, when it cannot be
    // read; false, telling nothing, when the user cancels the reading.
    bool compareWith(const FilePath& path, Progress& progress = noProgress());
    void stopComparing();

    // --- The data inspector (view/ValueEditing.cpp) ---
    // A row's text for the bytes from the cursor on, "-" past the end.
    std::string valueAtCursor(ValueType type, bool bigEndian) const;
    // The typed text as the type's bytes, in the byte order, written over the
    // document at the cursor; nothing changes unless it is written.
    ValueWrite writeValue(ValueType type, std::string_view text, bool bigEndian);

    // --- Find and Replace (commands/FindReplace.cpp) ---
    // The last search of either Find dialog, for F3 and Shift+F3.
    struct RepeatableSearch {
        SearchPattern pattern;
        bool fromReplaceDialog = false;
    };
    RepeatableSearch lastSearch;
    // The whole document, or the selected bytes.
    ByteRange searchRange(bool inSelection) const;
    // The next match after the cursor (the previous one before it) within
    // the range, wrapping once; it is selected and shown. False, moving
    // nothing, when there is none.
    bool findAndSelect(const SearchPattern& pattern, bool backward, ByteRange range);
    // The selection is exactly a match of the pattern.
    bool selectionIsMatch(const SearchPattern& pattern) const;
    // Replace: the selected match replaced as one change, the cursor on it.
    ReplaceOutcome replaceSelectedMatch(const SearchPattern& pattern, const std::vector<std::uint8_t>& replacement);
    // Every non-overlapping match in the range replaced, as one change; the
    // cursor at the range's start. Throws std::bad_alloc, changing nothing,
    // when the matches cannot be listed. The scan goes in steps told to the
    // progress; cancelled, nothing changes.
    ReplaceAllResult replaceAll(const SearchPattern& pattern, const std::vector<std::uint8_t>& replacement,
                                ByteRange range, Progress& progress = noProgress());

    // --- The mouse in the data panes (view/PointerInput.cpp) ---
    ScreenCell cellAtPoint(int x, int y, CellMapping mapping) const;

    // --- Opening, saving and closing (editor/FileFlow.cpp) ---
    DocumentFile file;
    RecentFiles recentFiles;

    // The name as given, or "Untitled".
    std::wstring documentName() const;
    // "Nibblor - NAME" with the name as given, " [read-only]" when it may not
    // be written, " *" while modified.
    std::wstring title() const;
    // Before the document could be lost: "Save changes to NAME?" while it is
    // modified. False when the user cancels or the save fails.
    bool settleUnsavedChanges();
    // Save over the document's own file; Save As when it has none.
    bool save();
    bool saveAs();
    // Open: the question about changes, the dialog, then the file.
    OpenOutcome openFromDialog(bool readOnly);
    // The file becomes the document, or the user is told why not and the
    // document stays. No question first.
    bool openPath(const FilePath& path, bool readOnly);
    // A recent file, or a dropped one: the question about changes first.
    OpenOutcome openNamed(const FilePath& path);
    OpenOutcome openRecent(std::size_t index);
    // An empty document under a name that no file has yet; Save creates it.
    void startNewDocument(const FilePath& path);
    // The file a new editor window is made on. A missing one may become a new
    // document when `offerToCreate`; false when there is none to show (the
    // user was told why), and the Open dialog follows.
    bool openStartingFile(const FilePath& path, bool offerToCreate);
    // The frame came to the front: the file's changes by other programs are
    // put to the user, once each; not while long work runs.
    void checkForOutsideChanges();
    // Save has something to do (not in a read-only document).
    bool saveAvailable() const { return !file.readOnlyMode; }
    // Shown as read-only: opened so, or its file may not be written.
    bool shownReadOnly() const { return file.readOnlyMode || !file.writable; }
    // A read-only document refuses every change: a beep, and true.
    bool refuseEdit();
    // The document written to `target`, which becomes its name; told and false on failure.
    bool writeDocument(const DocumentName& target);
    // The whole file read into `into`, which takes its name; the user told
    // why not, and false, when it cannot be; false alone when the user cancels.
    bool loadOrTell(const DocumentName& name, FileBuffer& into, Progress& progress = noProgress());
    // The file read into a block of its own, which becomes the document's;
    // told and false, the document as it was, when it cannot be read.
    bool readFile(const DocumentName& name, bool readOnly);
    // The file read again after another program changed it; the cursor keeps its offset.
    void reload();
    void rememberRecent(const FilePath& path);

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
