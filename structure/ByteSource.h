#pragma once
// The bytes a structure is laid over: the document, a file, or bytes decoded
// by a `process` step. Narrow on purpose so any byte store can serve it.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace structure {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Copies `count` bytes from `offset`; false when that span is not all there.
    virtual bool read(std::uint64_t offset, std::uint8_t* out, std::size_t count) const = 0;
};

// Bytes held in memory: tests, and the output of `process`.
class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool read(std::uint64_t offset, std::uint8_t* out, std::size_t count) const override;
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace structure
