#include "nibstruct/PlatformText.h"

#ifdef _WIN32
#include "structure/win32/Win32TextConverter.h"

#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

std::unique_ptr<structure::TextConverter> nibstructTextConverter()
{
    return std::make_unique<structure::Win32TextConverter>();
}

void nibstructBinaryStdout()
{
    _setmode(_fileno(stdout), _O_BINARY);
}

std::filesystem::path nibstructProgramPath(const char* argv0)
{
    // A path longer than the buffer comes back cut to its size: grow and ask again.
    for (std::wstring path(MAX_PATH, L'\0');; path.resize(path.size() * 2)) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            break;
        }
        if (length < path.size()) {
            return std::filesystem::path(path.substr(0, length));
        }
    }
    std::error_code ec;
    return std::filesystem::absolute(std::filesystem::u8path(argv0), ec);
}
#else
#include "structure/posix/IconvTextConverter.h"

std::unique_ptr<structure::TextConverter> nibstructTextConverter()
{
    return std::make_unique<structure::IconvTextConverter>();
}

void nibstructBinaryStdout()
{}

std::filesystem::path nibstructProgramPath(const char* argv0)
{
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::absolute(std::filesystem::u8path(argv0), ec) : self;
}
#endif
