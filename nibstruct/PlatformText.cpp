#include "nibstruct/PlatformText.h"

#ifdef _WIN32
#include "structure/win32/Win32TextConverter.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

std::unique_ptr<structure::TextConverter> nibstructTextConverter() {
    return std::make_unique<structure::Win32TextConverter>();
}

void nibstructBinaryStdout() { _setmode(_fileno(stdout), _O_BINARY); }
#else
#include "structure/posix/IconvTextConverter.h"

std::unique_ptr<structure::TextConverter> nibstructTextConverter() {
    return std::make_unique<structure::IconvTextConverter>();
}

void nibstructBinaryStdout() {}
#endif
