#pragma once
// A file read in place, a block at a time, for the structure parser.
#include "structure/ByteSource.h"

#include <cstdio>
#include <string>
#include <vector>

class FileByteSource final : public structure::ByteSource {
public:
    // Check ok() after construction.
    explicit FileByteSource(const std::string& path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    bool ok() const { return file_ != nullptr; }
    std::uint64_t size() const override { return size_; }
    bool read(std::uint64_t offset, std::uint8_t* out, std::size_t count) const override;

private:
    bool fill(std::uint64_t blockStart) const;

    std::FILE* file_ = nullptr;
    std::uint64_t size_ = 0;
    // One block kept: the parser reads mostly forward and in small pieces.
    mutable std::vector<std::uint8_t> block_;
    mutable std::uint64_t blockStart_ = 0;
    mutable bool blockValid_ = false;
};
