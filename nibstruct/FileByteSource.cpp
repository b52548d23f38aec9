#include "nibstruct/FileByteSource.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t blockSize = 64 * 1024;

bool seekTo(std::FILE* file, std::uint64_t offset)
{
#ifdef _WIN32
    return _fseeki64(file, static_cast<long long>(offset), SEEK_SET) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

std::uint64_t sizeOf(std::FILE* file)
{
#ifdef _WIN32
    if (_fseeki64(file, 0, SEEK_END) != 0) {
        return 0;
    }
    const long long end = _ftelli64(file);
#else
    if (fseeko(file, 0, SEEK_END) != 0) {
        return 0;
    }
    const off_t end = ftello(file);
#endif
    return end > 0 ? static_cast<std::uint64_t>(end) : 0;
}

} // namespace

FileByteSource::FileByteSource(const std::string& path) : file_(std::fopen(path.c_str(), "rb"))
{
    if (file_) {
        size_ = sizeOf(file_);
    }
}

FileByteSource::~FileByteSource()
{
    if (file_) {
        std::fclose(file_);
    }
}

bool FileByteSource::fill(std::uint64_t blockStart) const
{
    const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(blockSize, size_ - blockStart));
    block_.resize(length);
    blockValid_ = false;
    if (!seekTo(file_, blockStart) || std::fread(block_.data(), 1, length, file_) != length) {
        return false;
    }
    blockStart_ = blockStart;
    blockValid_ = true;
    return true;
}

bool FileByteSource::read(std::uint64_t offset, std::uint8_t* out, std::size_t count) const
{
    if (!file_ || offset > size_ || count > size_ - offset) {
        return false;
    }
    while (count > 0) {
        if (!blockValid_ || offset < blockStart_ || offset >= blockStart_ + block_.size()) {
            if (!fill(offset - offset % blockSize)) {
                return false;
            }
        }
        const auto at = static_cast<std::size_t>(offset - blockStart_);
        const std::size_t take = std::min(count, block_.size() - at);
        std::memcpy(out, block_.data() + at, take);
        out += take;
        offset += take;
        count -= take;
    }
    return true;
}
