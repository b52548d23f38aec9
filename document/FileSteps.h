#pragma once
// What writing a file takes from the system, one step at a time, so that a
// save is written aside and put in place only once it is complete, and so that
// tests can make any one step fail.
#include <cstddef>
#include <cstdint>
#include <string>

class FileSteps {
public:
    enum class Target {
        missing,     // a new name
        regularFile, // an existing file, to be replaced
        other,       // a device or the like: written in place, there is nothing to put aside
    };

    virtual ~FileSteps() = default;

    virtual Target inspect(const std::string& path) = 0;
    // Whether an existing file may be replaced: not read-only, not held by another program.
    virtual bool replaceable(const std::string& path) = 0;
    // Opens a file for writing: a new one (failing when the name is taken), or
    // any file, emptied.
    virtual bool open(const std::string& path, bool mustBeNew) = 0;
    virtual bool write(const std::uint8_t* bytes, std::size_t count) = 0;
    // Everything written is on the disk, not only in the system's buffers.
    virtual bool flush() = 0;
    virtual bool close() = 0;
    // Puts the written file in the target's place, keeping the target's attributes.
    virtual bool replace(const std::string& written, const std::string& target) = 0;
    virtual void remove(const std::string& path) = 0;
};

// The steps with the standard library's files: the core's own, and the one
// the native tests and tools use.
FileSteps& standardFileSteps();
