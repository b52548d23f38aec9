// Each command's work, one call to the core or to the command shell (and the
// shell's settling after a command on the document's file); and the rules
// its menu items follow.
#include "commands/CommandHandlers.h"

#include "commands/CommandShell.h"
#include "commands/Paste.h"
#include "editor/EditorCore.h"
#include "view/Bookmarking.h"

namespace handlers {

bool open(CommandContext& c)
{
    c.core.files.openFromDialog(false);
    c.shell.settle();
    return true;
}

bool openReadOnly(CommandContext& c)
{
    c.core.files.openFromDialog(true);
    c.shell.settle();
    return true;
}

bool save(CommandContext& c)
{
    c.core.files.save();
    c.shell.settle();
    return true;
}

bool saveAs(CommandContext& c)
{
    c.core.files.saveAs();
    c.shell.settle();
    return true;
}

bool openRecent(CommandContext& c, std::size_t index)
{
    c.core.files.openRecent(index);
    c.shell.settle();
    return true;
}

bool stopComparing(CommandContext& c)
{
    c.core.comparison.stop();
    c.shell.settle();
    return true;
}

// The bookmarks move the cursor and draw through the view's surface alone.
bool toggleBookmark(CommandContext& c)
{
    toggleBookmark(c.core);
    return true;
}

bool nextBookmark(CommandContext& c)
{
    nextBookmark(c.core);
    return true;
}

bool previousBookmark(CommandContext& c)
{
    previousBookmark(c.core);
    return true;
}

bool clearBookmarks(CommandContext& c)
{
    clearBookmarks(c.core);
    return true;
}

// A cancelled picker declines the command.
bool changeFont(CommandContext& c)
{
    return c.shell.changeFont();
}

bool compareWith(CommandContext& c) { c.shell.compareWith(); return true; }
bool nextDifference(CommandContext& c) { c.shell.stepToDifference(true); return true; }
bool previousDifference(CommandContext& c) { c.shell.stepToDifference(false); return true; }
bool exitProgram(CommandContext& c) { c.shell.exitProgram(); return true; }
bool cut(CommandContext& c) { c.shell.cut(); return true; }
bool copy(CommandContext& c) { c.shell.copy(); return true; }
bool paste(CommandContext& c) { c.shell.paste(); return true; }
bool copyAsCArray(CommandContext& c) { c.shell.copyAs(CopyAsForm::cArray); return true; }
bool copyAsPython(CommandContext& c) { c.shell.copyAs(CopyAsForm::pythonBytes); return true; }
bool copyAsBase64(CommandContext& c) { c.shell.copyAs(CopyAsForm::base64); return true; }
bool copyAsHexDump(CommandContext& c) { c.shell.copyAs(CopyAsForm::hexDump); return true; }
bool insertChars(CommandContext& c) { c.shell.insertChars(); return true; }
bool toggleInsertMode(CommandContext& c) { c.shell.toggleInsertMode(); return true; }
bool fillSelection(CommandContext& c) { c.shell.fillSelection(); return true; }
bool checksums(CommandContext& c) { c.shell.checksums(); return true; }
bool undo(CommandContext& c) { c.shell.undo(); return true; }
bool redo(CommandContext& c) { c.shell.redo(); return true; }
bool findNext(CommandContext& c) { c.shell.repeatSearch(false); return true; }
bool findPrevious(CommandContext& c) { c.shell.repeatSearch(true); return true; }
bool replace(CommandContext& c) { c.shell.replace(); return true; }
bool goToOffset(CommandContext& c) { c.shell.goToOffset(); return true; }
bool find(CommandContext& c) { c.shell.find(); return true; }
bool hexView(CommandContext& c) { c.shell.switchView(0); return true; }
bool octalView(CommandContext& c) { c.shell.switchView(1); return true; }
bool changeColors(CommandContext& c) { c.shell.changeColors(); return true; }
bool toggleInspector(CommandContext& c) { c.shell.toggleInspector(); return true; }
bool toggleStructure(CommandContext& c) { c.shell.toggleStructure(); return true; }
bool toggleStatusBar(CommandContext& c) { c.shell.toggleStatusBar(); return true; }
bool about(CommandContext& c) { c.shell.about(); return true; }
bool destroyFrame(CommandContext& c) { c.shell.destroyFrame(); return true; }

} // namespace handlers

namespace rules {

bool hasSelection(const CommandContext& c) { return c.core.hasSelection(); }
bool clipboardHasText(const CommandContext& c) { return canPaste(c.core); }
bool saveAvailable(const CommandContext& c) { return c.core.files.saveAvailable(); }
bool comparing(const CommandContext& c) { return c.core.comparison.active(); }
bool hexView(const CommandContext& c) { return c.core.octalMode == 0; }
bool octalView(const CommandContext& c) { return c.core.octalMode != 0; }
bool insertMode(const CommandContext& c) { return c.core.typing.inserting(); }
bool inspectorShown(const CommandContext& c) { return c.shell.inspectorShown(); }
bool structureShown(const CommandContext& c) { return c.shell.structureShown(); }
bool statusBarShown(const CommandContext& c) { return c.shell.statusBarShown(); }

} // namespace rules
