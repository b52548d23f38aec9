// Writing files with the standard library: C streams and std::filesystem.
#include "document/FileSteps.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#if defined(__unix__)
#include <unistd.h>
#endif

namespace {

class StandardFileSteps final : public FileSteps {
public:
    Target inspect(const std::string& path) override
    {
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::status(path, error);
        if (status.type() == std::filesystem::file_type::not_found || error) {
            return Target::missing;
        }
        return status.type() == std::filesystem::file_type::regular ? Target::regularFile : Target::other;
    }

    bool replaceable(const std::string& path) override
    {
        // Opened for update, which neither creates nor empties it.
        std::FILE* f = std::fopen(path.c_str(), "r+b");
        if (f == nullptr) {
            return false;
        }
        std::fclose(f);
        return true;
    }

    bool open(const std::string& path, bool mustBeNew) override
    {
        std::error_code error;
        if (mustBeNew && std::filesystem::exists(path, error)) {
            return false;
        }
        file_ = std::fopen(path.c_str(), "wb");
        return file_ != nullptr;
    }

    bool write(const std::uint8_t* bytes, std::size_t count) override
    {
        return count == 0 || std::fwrite(bytes, 1, count, file_) == count;
    }

    bool flush() override
    {
        if (std::fflush(file_) != 0) {
            return false;
        }
#if defined(__unix__)
        // A full disk may only show when the data reaches it.
        return fsync(fileno(file_)) == 0 || errno == EINVAL; // devices need no syncing
#else
        return true;
#endif
    }

    bool close() override
    {
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        return closed;
    }

    bool replace(const std::string& written, const std::string& target) override
    {
        std::error_code error;
        std::filesystem::rename(written, target, error);
        return !error;
    }

    void remove(const std::string& path) override
    {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }

private:
    std::FILE* file_ = nullptr;
};

} // namespace

FileSteps& standardFileSteps()
{
    static StandardFileSteps steps;
    return steps;
}
