#include "document/win32/Win32FileSteps.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

#include "document/win32/BusyCursor.h"

namespace {

constexpr std::size_t largestWrite = 64u << 20; // one WriteFile or ReadFile call at most
// Past this length a path needs the long form: the classic limit less room for a file name.
constexpr std::size_t classicPathLimit = MAX_PATH - 12;
constexpr wchar_t longPrefix[] = L"\\\\?\\";
constexpr wchar_t longUncPrefix[] = L"\\\\?\\UNC\\";
// Every program may go on reading, writing and renaming a file we only read.
constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The whole path, or the path as it came.
std::wstring fullPath(const std::wstring& path)
{
    const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) {
        return path;
    }
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), length, &full[0], nullptr);
    if (written == 0 || written >= length) {
        return path;
    }
    full.resize(written);
    return full;
}

// The name the system calls take: a long one in its "\\?\" form, which
// passes the classic length limit.
std::wstring systemPath(const FilePath& path)
{
    const std::wstring& name = path.native();
    if (name.size() < classicPathLimit || name.rfind(longPrefix, 0) == 0) {
        return name;
    }
    const std::wstring full = fullPath(name);
    if (full.rfind(L"\\\\", 0) == 0) {
        return longUncPrefix + full.substr(2); // \\server\share
    }
    return longPrefix + full;
}

std::wstring reasonFor(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length > 0 && text != nullptr ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' ')) {
        reason.pop_back();
    }
    if (reason.empty()) {
        reason = L"System error " + std::to_wstring(code) + L".";
    }
    return reason;
}

class Win32FileSteps final : public FileSteps {
public:
    Target inspect(const FilePath& path) override
    {
        const DWORD attributes = GetFileAttributesW(systemPath(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return Target::missing;
        }
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Target::other : Target::regularFile;
    }

    bool replaceable(const FilePath& path) override
    {
        const std::wstring name = systemPath(path);
        const DWORD attributes = GetFileAttributesW(name.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return failed();
        }
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            return failedWith(ERROR_ACCESS_DENIED);
        }
        // Held by a program that shares it with no writer: it could not be replaced either.
        HANDLE probe = CreateFileW(name.c_str(), GENERIC_WRITE, shareAll, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        if (probe == INVALID_HANDLE_VALUE) {
            return failed();
        }
        CloseHandle(probe);
        return true;
    }

    bool open(const FilePath& path, bool mustBeNew) override
    {
        file_ = CreateFileW(systemPath(path).c_str(), GENERIC_WRITE, 0, nullptr,
                            mustBeNew ? CREATE_NEW : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        return file_ != INVALID_HANDLE_VALUE || failed();
    }

    bool write(const std::uint8_t* bytes, std::size_t count) override
    {
        if (!busy_) {
            busy_.emplace(static_cast<std::int64_t>(count));
        }
        while (count > 0) {
            const auto piece = static_cast<DWORD>(std::min(count, largestWrite));
            DWORD done = 0;
            if (WriteFile(file_, bytes, piece, &done, nullptr) == FALSE) {
                return failed();
            }
            if (done != piece) {
                return failedWith(ERROR_DISK_FULL);
            }
            bytes += piece;
            count -= piece;
        }
        return true;
    }

    bool flush() override { return FlushFileBuffers(file_) != FALSE || failed(); }

    bool close() override
    {
        busy_.reset();
        const bool closed = CloseHandle(file_) != FALSE;
        file_ = INVALID_HANDLE_VALUE;
        return closed || failed();
    }

    bool replace(const FilePath& written, const FilePath& target) override
    {
        const std::wstring from = systemPath(fullPath(written.native()));
        const std::wstring to = systemPath(fullPath(target.native()));
        const DWORD attributes = GetFileAttributesW(to.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return moveOver(from, to) || failed();
        }
        const bool replaced = ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                           nullptr, nullptr) != FALSE ||
                              moveOver(from, to); // where the file system cannot replace in one go
        if (!replaced) {
            return failed();
        }
        SetFileAttributesW(to.c_str(), attributes); // not every system keeps them
        return true;
    }

    void remove(const FilePath& path) override { DeleteFileW(systemPath(path).c_str()); }

    bool openForReading(const FilePath& path) override
    {
        file_ = CreateFileW(systemPath(path).c_str(), GENERIC_READ, shareAll, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file_ == INVALID_HANDLE_VALUE) {
            return failed();
        }
        busy_.emplace(length());
        return true;
    }

    std::int64_t length() override
    {
        LARGE_INTEGER size{};
        return GetFileSizeEx(file_, &size) != FALSE ? static_cast<std::int64_t>(size.QuadPart) : -1;
    }

    bool read(std::uint8_t* bytes, std::size_t count, std::size_t& got) override
    {
        got = 0;
        while (got < count) {
            const auto piece = static_cast<DWORD>(std::min(count - got, largestWrite));
            DWORD done = 0;
            if (ReadFile(file_, bytes + got, piece, &done, nullptr) == FALSE) {
                return failed();
            }
            got += done;
            if (done < piece) {
                break; // the end of the file
            }
        }
        return true;
    }

    FileStamp stamp(const FilePath& path) override
    {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        FileStamp result;
        if (GetFileAttributesExW(systemPath(path).c_str(), GetFileExInfoStandard, &data) == FALSE) {
            return result;
        }
        result.exists = true;
        result.size = (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        result.lastWrite = (static_cast<std::int64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                           data.ftLastWriteTime.dwLowDateTime;
        return result;
    }

    FileFailure lastFailure() const override { return failure_; }

private:
    static bool moveOver(const std::wstring& from, const std::wstring& to)
    {
        return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    }

    // Keeps the system's reason for the step that just failed; false, for the caller to return.
    bool failed() { return failedWith(GetLastError()); }

    bool failedWith(DWORD code)
    {
        switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            failure_.kind = FileFailure::Kind::missing;
            break;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            failure_.kind = FileFailure::Kind::inUse;
            break;
        default:
            failure_.kind = FileFailure::Kind::other;
            break;
        }
        failure_.reason = reasonFor(code);
        return false;
    }

    HANDLE file_ = INVALID_HANDLE_VALUE;
    FileFailure failure_;
    std::optional<BusyCursor> busy_; // while a large file is read or written
};

} // namespace

FileSteps& win32FileSteps()
{
    static Win32FileSteps steps;
    return steps;
}
