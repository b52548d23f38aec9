#pragma once
// The document's memory: one zero-filled block that owns its bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

class ByteBlock {
public:
    ByteBlock() = default;

    // Replaces the block with `capacity` zero bytes. False (and no block) when
    // the memory cannot be had.
    bool allocateZeroed(std::size_t capacity);

    // The same without the zeros, for a block that is about to be read over:
    // its bytes are undefined until written, and zeroFrom clears the rest.
    bool allocate(std::size_t capacity);
    void zeroFrom(std::size_t offset);

    // Enlarges the block to at least `capacity` bytes, the new ones zero.
    // False, with the block unchanged, when the memory cannot be had.
    bool growZeroed(std::size_t capacity);

    void release();

    bool held() const { return bytes_ != nullptr; }
    std::size_t capacity() const { return capacity_; }
    std::uint8_t* get() { return bytes_.get(); }
    const std::uint8_t* get() const { return bytes_.get(); }
    std::uint8_t& operator[](std::size_t i) { return bytes_[i]; }
    std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }

private:
    // Holds a block just allocated; false when there is none.
    bool take(void* block, std::size_t capacity);

    struct FreeBytes {
        void operator()(std::uint8_t* p) const { std::free(p); }
    };
    // calloc and realloc: large blocks come as untouched zero pages.
    std::unique_ptr<std::uint8_t[], FreeBytes> bytes_;
    std::size_t capacity_ = 0;
};
