#pragma once
// The platform's pieces nibstruct needs: its text converter, and standard
// output that writes bytes as they are.
#include "structure/TextConverter.h"

#include <memory>

std::unique_ptr<structure::TextConverter> nibstructTextConverter();
void nibstructBinaryStdout();
