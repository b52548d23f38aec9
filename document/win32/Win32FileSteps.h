#pragma once
// Writing files with the system's own calls: data flushed to the disk, and the
// finished file put in place with its target's attributes kept.
#include "document/FileSteps.h"

FileSteps& win32FileSteps();
