#pragma once
// The editor's WM_COMMAND identifiers, shared by the menu bar, the context
// menu, the panes' keys and the frame that carries them out.
enum Command : int {
    noCommand = 0, // a menu separator, or a key that carries no command
    openCommand = 1,
    saveAsCommand = 2,
    exitCommand = 3,
    findCommand = 4,
    aboutCommand = 5,
    cutCommand = 6,
    copyCommand = 7,
    pasteCommand = 8,
    insertCharsCommand = 9,
    hexViewCommand = 10,
    octalViewCommand = 11,
    changeFontCommand = 12,
    changeColorsCommand = 13,
    // The commands of daily use go on from here, so the menus' first ids keep their numbers.
    saveCommand = 14,
    undoCommand = 15,
    redoCommand = 16,
    goToOffsetCommand = 17,
    findNextCommand = 18,
    openReadOnlyCommand = 19,
    inspectorCommand = 20,
    statusBarCommand = 21,
    findPreviousCommand = 22,
    replaceCommand = 23,
    insertModeCommand = 24,
    fillCommand = 25,
    copyAsCArrayCommand = 26,
    copyAsPythonCommand = 27,
    copyAsBase64Command = 28,
    copyAsHexDumpCommand = 29,
    toggleBookmarkCommand = 30,
    nextBookmarkCommand = 31,
    previousBookmarkCommand = 32,
    clearBookmarksCommand = 33,
    compareWithCommand = 34,
    nextDifferenceCommand = 35,
    previousDifferenceCommand = 36,
    stopComparingCommand = 37,
    checksumsCommand = 38,
    structureCommand = 39,
    // The recently opened files, put in the File menu while the editor runs.
    firstRecentFileCommand = 100,
    destroyCommand = 2000, // sent by a host: take the editor window down
};

// How many recent files the File menu lists, from firstRecentFileCommand on.
constexpr int recentFileCount = 8;
