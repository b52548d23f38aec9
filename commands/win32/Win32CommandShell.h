#pragma once
// The command shell of the editor's frame: its dialogs, tool windows and the
// commands that go through the system clipboard.
class CommandShell;
CommandShell& win32CommandShell();
