// Reading and writing files with the standard library: C streams and std::filesystem.
#include "document/FileSteps.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#if defined(__unix__)
#include <unistd.h>
#endif

namespace {

class StandardFileSteps final : public FileSteps {
public:
    Target inspect(const FilePath& path) override
    {
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::status(path, error);
        if (status.type() == std::filesystem::file_type::not_found || error) {
            return Target::missing;
        }
        return status.type() == std::filesystem::file_type::regular ? Target::regularFile : Target::other;
    }

    bool replaceable(const FilePath& path) override
    {
        // Opened for update, which neither creates nor empties it.
        std::FILE* f = openFile(path, "r+b");
        if (f == nullptr) {
            return failed();
        }
        std::fclose(f);
        return true;
    }

    bool open(const FilePath& path, bool mustBeNew) override
    {
        std::error_code error;
        if (mustBeNew && std::filesystem::exists(path, error)) {
            errno = EEXIST;
            return failed();
        }
        file_ = openFile(path, "wb");
        return file_ != nullptr || failed();
    }

    bool write(const std::uint8_t* bytes, std::size_t count) override
    {
        return count == 0 || std::fwrite(bytes, 1, count, file_) == count || failed();
    }

    bool flush() override
    {
        if (std::fflush(file_) != 0) {
            return failed();
        }
#if defined(__unix__)
        // A full disk may only show when the data reaches it.
        return fsync(fileno(file_)) == 0 || errno == EINVAL || failed(); // devices need no syncing
#else
        return true;
#endif
    }

    bool close() override
    {
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        return closed || failed();
    }

    bool replace(const FilePath& written, const FilePath& target) override
    {
        std::error_code error;
        std::filesystem::rename(written, target, error);
        return !error || failedWith(error);
    }

    void remove(const FilePath& path) override
    {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }

    bool openForReading(const FilePath& path) override
    {
        file_ = openFile(path, "rb");
        if (file_ == nullptr) {
            return failed();
        }
        // The reads are large: no stream buffer in between.
        std::setvbuf(file_, nullptr, _IONBF, 0);
        return true;
    }

    std::int64_t length() override
    {
#ifdef _WIN32
        if (_fseeki64(file_, 0, SEEK_END) != 0) {
            return -1;
        }
        const std::int64_t length = _ftelli64(file_);
        return _fseeki64(file_, 0, SEEK_SET) == 0 ? length : -1;
#else
        if (fseeko(file_, 0, SEEK_END) != 0) {
            return -1;
        }
        const std::int64_t length = ftello(file_);
        return fseeko(file_, 0, SEEK_SET) == 0 ? length : -1;
#endif
    }

    bool read(std::uint8_t* bytes, std::size_t count, std::size_t& got) override
    {
        got = std::fread(bytes, 1, count, file_);
        return got == count || std::ferror(file_) == 0 || failed();
    }

    FileStamp stamp(const FilePath& path) override
    {
        std::error_code error;
        FileStamp result;
        const auto size = std::filesystem::file_size(path, error);
        if (error) {
            return result;
        }
        const auto written = std::filesystem::last_write_time(path, error);
        result.exists = !error;
        result.size = static_cast<std::int64_t>(size);
        result.lastWrite = static_cast<std::int64_t>(written.time_since_epoch().count());
        return result;
    }

    FileFailure lastFailure() const override { return failure_; }

private:
    static std::FILE* openFile(const FilePath& path, const char* mode)
    {
#ifdef _WIN32
        const std::wstring wideMode(mode, mode + std::strlen(mode));
        return _wfopen(path.c_str(), wideMode.c_str());
#else
        return std::fopen(path.c_str(), mode);
#endif
    }

    // Keeps errno's reason; false, for the caller to return.
    bool failed() { return failedWith(std::error_code(errno, std::generic_category())); }

    bool failedWith(const std::error_code& error)
    {
        failure_.kind = error == std::errc::no_such_file_or_directory ? FileFailure::Kind::missing
                                                                         : FileFailure::Kind::other;
        const std::string text = error.message();
        failure_.reason.assign(text.begin(), text.end());
        return false;
    }

    std::FILE* file_ = nullptr;
    FileFailure failure_;
};

} // namespace

FileSteps& standardFileSteps()
{
    static StandardFileSteps steps;
    return steps;
}
