#pragma once
// What reading and writing a file take from the system, one step at a time,
// so that a save is written aside and put in place only once it is complete,
// so that every failure can name the system's reason, and so that tests can
// make any one step fail.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

using FilePath = std::filesystem::path;

// What a file was on the disk when last looked at: enough to tell that
// another program has written or deleted it since.
struct FileStamp {
    bool exists = false;
    std::int64_t size = 0;
    std::int64_t lastWrite = 0; // in the system's own units

    bool operator==(const FileStamp& other) const
    {
        return exists == other.exists && (!exists || (size == other.size && lastWrite == other.lastWrite));
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// Why the latest step failed.
struct FileFailure {
    enum class Kind {
        none,
        missing, // no such file or folder
        inUse,   // another program holds it and shares it with no one
        other,
    };
    Kind kind = Kind::none;
    std::wstring reason; // the system's own sentence for it, or empty
};

class FileSteps {
public:
    enum class Target {
        missing,     // a new name
        regularFile, // an existing file, to be replaced
        other,       // a device or the like: written in place, there is nothing to put aside
    };

    virtual ~FileSteps() = default;

    virtual Target inspect(const FilePath& path) = 0;
    // Whether an existing file may be replaced: not read-only, not held by another program.
    virtual bool replaceable(const FilePath& path) = 0;
    // Opens a file for writing: a new one (failing when the name is taken), or
    // any file, emptied.
    virtual bool open(const FilePath& path, bool mustBeNew) = 0;
    virtual bool write(const std::uint8_t* bytes, std::size_t count) = 0;
    // Everything written is on the disk, not only in the system's buffers.
    virtual bool flush() = 0;
    virtual bool close() = 0;
    // Puts the written file in the target's place, keeping the target's attributes.
    virtual bool replace(const FilePath& written, const FilePath& target) = 0;
    virtual void remove(const FilePath& path) = 0;

    // Opens an existing file for reading, sharing it with every other
    // program; close() ends it.
    virtual bool openForReading(const FilePath& path) = 0;
    // The open file's length, or -1 when it cannot be told (a pipe, say).
    virtual std::int64_t length() = 0;
    // Reads up to `count` bytes; fewer at the end of the file. False on a read error.
    virtual bool read(std::uint8_t* bytes, std::size_t count, std::size_t& got) = 0;

    virtual FileStamp stamp(const FilePath& path) = 0;
    // Why the latest failed step failed.
    virtual FileFailure lastFailure() const = 0;
};

// The steps with the standard library's files: the core's own, and the one
// the native tests and tools use.
FileSteps& standardFileSteps();
