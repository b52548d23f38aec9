#include "editor/EditorCore.h"

EditorCore::EditorCore() : buffer(bytesPerRow)
{
    buffer.size = 0;
}

void EditorCore::repaint(Repaint when)
{
    if (shell.surface != nullptr) {
        shell.surface->repaintPanes(when);
    }
}
