#include "editor/EditorCore.h"

EditorCore::EditorCore() : buffer(bytesPerRow)
{
    buffer.size = 0;
}

void EditorCore::repaint(Repaint when)
{
    if (surface != nullptr) {
        surface->repaintPanes(when);
    }
}
