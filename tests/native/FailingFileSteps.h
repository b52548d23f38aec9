#pragma once
// File steps that fail at one chosen step and otherwise do the real thing, so
// that a test sees what a failed save leaves behind on a real disk.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "document/FileSteps.h"

class FailingFileSteps : public FileSteps {
public:
    enum class Step { none, createAside, write, flush, close, replace };

    FailingFileSteps(FileSteps& real, Step failing) : real_(real), failing_(failing) {}

    Target inspect(const FilePath& path) override { return real_.inspect(path); }
    bool replaceable(const FilePath& path) override { return real_.replaceable(path); }
    bool open(const FilePath& path, bool mustBeNew) override
    {
        return !(mustBeNew && failing_ == Step::createAside) && real_.open(path, mustBeNew);
    }
    bool write(const std::uint8_t* bytes, std::size_t count) override
    {
        if (failing_ == Step::write) {
            real_.write(bytes, count / 2); // the disk filled up half-way
            return false;
        }
        return real_.write(bytes, count);
    }
    bool flush() override { return real_.flush() && failing_ != Step::flush; }
    bool close() override { return real_.close() && failing_ != Step::close; }
    bool replace(const FilePath& written, const FilePath& target) override
    {
        return failing_ != Step::replace && real_.replace(written, target);
    }
    void remove(const FilePath& path) override { real_.remove(path); }
    bool openForReading(const FilePath& path) override { return real_.openForReading(path); }
    std::int64_t length() override { return real_.length(); }
    bool read(std::uint8_t* bytes, std::size_t count, std::size_t& got) override
    {
        return real_.read(bytes, count, got);
    }
    FileStamp stamp(const FilePath& path) override { return real_.stamp(path); }
    FileFailure lastFailure() const override { return real_.lastFailure(); }

private:
    FileSteps& real_;
    Step failing_;
};

// The names in a folder, sorted.
inline std::vector<std::string> filesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}
