#pragma once
// What a command needs of the window system: the dialogs and tool windows only
// the shell has, and the commands whose work goes through its clipboard, its
// busy cursor or its frame. Each part does nothing by default, so the core
// runs every command without a shell, and a test records only what it checks.
#include "commands/CopyAs.h"

struct EditorCore;

class CommandShell {
public:
    virtual ~CommandShell() = default;

    // After a command on the document or its file: the title says what it
    // left, the active pane has the keyboard.
    virtual void settle() {}

    // Dialogs owned by the frame; the keyboard goes back to the pane after each.
    virtual void find() {}
    virtual void replace() {}
    virtual void goToOffset() {}
    virtual void insertChars() {}
    virtual void fillSelection() {}
    virtual void changeColors() {}
    virtual void about() {}
    virtual void checksums() {}
    // False, changing nothing, when the picker was cancelled.
    virtual bool changeFont() { return false; }

    // The tool windows beside the frame: shown or hidden, and remembered.
    virtual void toggleInspector() {}
    virtual void toggleStructure() {}
    virtual void toggleStatusBar() {}
    virtual bool inspectorShown() const { return false; }
    virtual bool structureShown() const { return false; }
    virtual bool statusBarShown() const { return false; }

    // The program ends once unsaved changes are settled.
    virtual void exitProgram() {}
    // The host takes the editor window down.
    virtual void destroyFrame() {}

    // The system clipboard's side of Cut, Copy, Paste and Copy As.
    virtual void cut() {}
    virtual void copy() {}
    virtual void paste() {}
    virtual void copyAs(CopyAsForm /*form*/) {}

    // Work that shows the busy cursor, a progress window or a message box of
    // its own, or moves the frame.
    virtual void undo() {}
    virtual void redo() {}
    virtual void repeatSearch(bool /*backward*/) {}
    virtual void switchView(int /*octal*/) {}
    virtual void toggleInsertMode() {}
    virtual void compareWith() {}
    virtual void stepToDifference(bool /*forward*/) {}
};

// What a command's handler and its rules work on.
struct CommandContext {
    EditorCore& core;
    CommandShell& shell;
};
