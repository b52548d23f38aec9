#pragma once
// The files opened or saved last, newest first, as the File menu lists them.
#include <cstddef>
#include <string>
#include <vector>

#include "document/FileSteps.h"

class RecentFiles {
public:
    static constexpr std::size_t capacity = 8;

    // To the front; an earlier entry for the same file goes, and the oldest
    // beyond the capacity.
    void add(const FilePath& path);
    void remove(const FilePath& path);
    // As stored: empty and repeated names are passed over, the rest cut to the capacity.
    void assign(const std::vector<std::wstring>& stored);
    const std::vector<FilePath>& entries() const { return entries_; }

    // "&1 C:\folder\name.bin": the number as the item's key, the whole path,
    // its ampersands doubled so that none becomes a key.
    static std::wstring menuText(std::size_t index, const FilePath& path);
    // Names of one file: Windows compares them without case.
    static bool sameFile(const FilePath& a, const FilePath& b);

private:
    std::vector<FilePath> entries_;
};
