#pragma once
// Building an editor window on a file named in any script.
#include <cstdint>

#include "document/FileSteps.h"
#include "view/CoreTypes.h"

struct EditorCore;

// The editor's frame and panes made on `path`; a missing file may be
// offered as a new document when `offerToCreate`. 1 when made, 0 when the
// editor already has a window, 2 when none was made.
int createOn(EditorCore& core, WindowHandle parent, std::uint32_t style, int x, int y,
             InstanceHandle moduleInstance, const FilePath& path, bool offerToCreate);
