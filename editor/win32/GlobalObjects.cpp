// The program's one editor object and its three pane objects, constructed in
// this order before the entry point runs.
#include "editor/EditorCore.h"
#include "panes/win32/PaneObjects.h"

EditorCore editorCore;
OffsetPane offsetPane;
HexPane hexPane;
AsciiPane asciiPane;
