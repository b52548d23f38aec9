#pragma once
// The editor's WM_COMMAND identifiers, shared by the menu bar, the context
// menu, the panes' keys and the frame that carries them out.
enum Command : int {
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
    // Beyond the original set: what daily use asks for.
    saveCommand = 14,
    undoCommand = 15,
    redoCommand = 16,
    goToOffsetCommand = 17,
    findNextCommand = 18,
    destroyCommand = 2000, // sent by a host: take the editor window down
};
