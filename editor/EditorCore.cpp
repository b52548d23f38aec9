#include "editor/EditorCore.h"

EditorCore::EditorCore() : buffer(bytesPerRow)
{
    buffer.size = 0;
}
