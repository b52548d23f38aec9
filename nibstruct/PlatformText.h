#pragma once
// The platform's pieces nibstruct needs: its text converter, standard
// output that writes bytes as they are, and where the program itself lies.
#include "structure/TextConverter.h"

#include <filesystem>
#include <memory>

std::unique_ptr<structure::TextConverter> nibstructTextConverter();
void nibstructBinaryStdout();
// The running program's own file, wherever it was started from (a name
// found through PATH included); `argv0` made absolute when the system cannot say.
std::filesystem::path nibstructProgramPath(const char* argv0);
