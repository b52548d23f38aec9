#include "document/win32/Win32FileSteps.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace {

constexpr std::size_t largestWrite = 64u << 20; // one WriteFile call at most

class Win32FileSteps final : public FileSteps {
public:
    Target inspect(const std::string& path) override
    {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return Target::missing;
        }
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Target::other : Target::regularFile;
    }

    bool replaceable(const std::string& path) override
    {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            return false;
        }
        // Held by a program that shares it with no writer: it could not be replaced either.
        HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                   nullptr);
        if (probe == INVALID_HANDLE_VALUE) {
            return false;
        }
        CloseHandle(probe);
        return true;
    }

    bool open(const std::string& path, bool mustBeNew) override
    {
        file_ = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, mustBeNew ? CREATE_NEW : CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
        return file_ != INVALID_HANDLE_VALUE;
    }

    bool write(const std::uint8_t* bytes, std::size_t count) override
    {
        while (count > 0) {
            const auto piece = static_cast<DWORD>(std::min(count, largestWrite));
            DWORD done = 0;
            if (WriteFile(file_, bytes, piece, &done, nullptr) == FALSE || done != piece) {
                return false;
            }
            bytes += piece;
            count -= piece;
        }
        return true;
    }

    bool flush() override { return FlushFileBuffers(file_) != FALSE; }

    bool close() override
    {
        const bool closed = CloseHandle(file_) != FALSE;
        file_ = INVALID_HANDLE_VALUE;
        return closed;
    }

    bool replace(const std::string& written, const std::string& target) override
    {
        const DWORD attributes = GetFileAttributesA(target.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return moveOver(written, target);
        }
        const bool replaced = ReplaceFileA(fullPath(target).c_str(), fullPath(written).c_str(), nullptr,
                                           REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE ||
                              moveOver(written, target); // where the file system cannot replace in one go
        if (replaced) {
            SetFileAttributesA(target.c_str(), attributes); // not every system keeps them
        }
        return replaced;
    }

    void remove(const std::string& path) override { DeleteFileA(path.c_str()); }

private:
    static bool moveOver(const std::string& written, const std::string& target)
    {
        return MoveFileExA(written.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
               FALSE;
    }

    // Replacing wants whole paths.
    static std::string fullPath(const std::string& path)
    {
        const DWORD length = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
        if (length == 0) {
            return path;
        }
        std::string full(length, '\0');
        const DWORD written = GetFullPathNameA(path.c_str(), length, &full[0], nullptr);
        full.resize(written < length ? written : 0);
        return full.empty() ? path : full;
    }

    HANDLE file_ = INVALID_HANDLE_VALUE;
};

} // namespace

FileSteps& win32FileSteps()
{
    static Win32FileSteps steps;
    return steps;
}
