#pragma once
// What each command does, and the rules that grey and check its menu items:
// core functions on the editor and the command shell, bound to the commands
// by the rows of the command table.
#include <cstddef>

struct CommandContext;

// A command's work. False when the user declined it (a cancelled picker):
// then the window's default handling follows, as for a command it does not know.
using CommandHandler = bool (*)(CommandContext& context);
// A fact about the editor that enables or checks a menu item.
using CommandRule = bool (*)(const CommandContext& context);

namespace handlers {
bool open(CommandContext& context);
bool openReadOnly(CommandContext& context);
bool save(CommandContext& context);
bool saveAs(CommandContext& context);
// A recent file of the File menu's list, counted from its top.
bool openRecent(CommandContext& context, std::size_t index);
bool compareWith(CommandContext& context);
bool nextDifference(CommandContext& context);
bool previousDifference(CommandContext& context);
bool stopComparing(CommandContext& context);
bool exitProgram(CommandContext& context);
bool cut(CommandContext& context);
bool copy(CommandContext& context);
bool paste(CommandContext& context);
bool copyAsCArray(CommandContext& context);
bool copyAsPython(CommandContext& context);
bool copyAsBase64(CommandContext& context);
bool copyAsHexDump(CommandContext& context);
bool insertChars(CommandContext& context);
bool toggleInsertMode(CommandContext& context);
bool fillSelection(CommandContext& context);
bool checksums(CommandContext& context);
bool toggleBookmark(CommandContext& context);
bool nextBookmark(CommandContext& context);
bool previousBookmark(CommandContext& context);
bool clearBookmarks(CommandContext& context);
bool undo(CommandContext& context);
bool redo(CommandContext& context);
bool findNext(CommandContext& context);
bool findPrevious(CommandContext& context);
bool replace(CommandContext& context);
bool goToOffset(CommandContext& context);
bool find(CommandContext& context);
bool hexView(CommandContext& context);
bool octalView(CommandContext& context);
bool changeFont(CommandContext& context);
bool changeColors(CommandContext& context);
bool toggleInspector(CommandContext& context);
bool toggleStructure(CommandContext& context);
bool toggleStatusBar(CommandContext& context);
bool about(CommandContext& context);
bool destroyFrame(CommandContext& context);
} // namespace handlers

namespace rules {
bool hasSelection(const CommandContext& context);
bool clipboardHasText(const CommandContext& context);
// Save has something to do: not in a document opened read-only.
bool saveAvailable(const CommandContext& context);
bool comparing(const CommandContext& context);
bool hexView(const CommandContext& context);
bool octalView(const CommandContext& context);
bool insertMode(const CommandContext& context);
bool inspectorShown(const CommandContext& context);
bool structureShown(const CommandContext& context);
bool statusBarShown(const CommandContext& context);
} // namespace rules
