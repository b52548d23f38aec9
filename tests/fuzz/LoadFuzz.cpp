// FileBuffer::load of any bytes: the size, the row rule, the bytes, zeros in
// the spare room, and an empty buffer after a load that cannot open its
// file. The files live in the working directory.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "document/FileBuffer.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

// A file of this process's own, used by every case and removed when the
// process ends: a file made and removed per case slows the fuzzing down.
class WorkFile {
public:
    explicit WorkFile(const char* role) : path_("load-fuzz-" + std::to_string(getpid()) + "-" + role) {}
    WorkFile(const WorkFile&) = delete;
    WorkFile& operator=(const WorkFile&) = delete;
    ~WorkFile() { std::remove(path_.c_str()); }
    const char* path() const { return path_.c_str(); }

private:
    std::string path_;
};

// Written over in place and cut to length: truncating to nothing first would
// make the file system flush it on every close.
bool writeFile(const char* path, const std::string& bytes)
{
    const int fd = open(path, O_WRONLY | O_CREAT, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        return false;
    }
    const bool written = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
                         ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
    return close(fd) == 0 && written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const int bytesPerRow = input.bytesPerRow();
    const std::string content = input.rest();
    const auto length = static_cast<std::int32_t>(content.size());

    static const WorkFile source("source");
    check(writeFile(source.path(), content), "the fuzz file is written");
    FileBuffer buffer(bytesPerRow);
    check(buffer.load(source.path()) == FileBuffer::loaded, "the file loads");
    check(buffer.size == length, "size is the file's length");
    check(buffer.rowCount == (length == 0 ? 0 : length / bytesPerRow + 1), "rowCount follows the row rule");
    check(buffer.capacity() >= FileBuffer::capacityFor(length, bytesPerRow), "the block has the load's room");
    const std::uint8_t* bytes = buffer.data.get();
    check(length == 0 || std::memcmp(bytes, content.data(), content.size()) == 0, "the bytes are the file's");
    check(allZero(bytes + length, static_cast<std::size_t>(buffer.capacity() - length)), "the spare room is zero");

    static const WorkFile missing("missing"); // never written
    check(buffer.load(missing.path()) == FileBuffer::cannotOpen, "a missing file cannot be opened");
    check(buffer.size == 0 && buffer.rowCount == 0 && !buffer.data.held(), "a failed load leaves nothing");
    return 0;
}
