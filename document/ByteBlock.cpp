#include "document/ByteBlock.h"

#include <cstring>

namespace {

// Growths this large take a fresh zeroed block rather than zeroing the new part by hand.
constexpr std::size_t freshPagesFrom = std::size_t{16} << 20;

} // namespace

bool ByteBlock::take(void* block, std::size_t capacity)
{
    if (block == nullptr) {
        return false;
    }
    bytes_.reset(static_cast<std::uint8_t*>(block));
    capacity_ = capacity;
    return true;
}

bool ByteBlock::allocateZeroed(std::size_t capacity)
{
    release();
    return take(std::calloc(capacity == 0 ? 1 : capacity, 1), capacity);
}

bool ByteBlock::allocate(std::size_t capacity)
{
    release();
    return take(std::malloc(capacity == 0 ? 1 : capacity), capacity);
}

void ByteBlock::zeroFrom(std::size_t offset)
{
    if (offset < capacity_) {
        std::memset(bytes_.get() + offset, 0, capacity_ - offset);
    }
}

bool ByteBlock::growZeroed(std::size_t capacity)
{
    if (capacity <= capacity_) {
        return true;
    }
    if (!bytes_) {
        return allocateZeroed(capacity);
    }
    if (capacity - capacity_ >= freshPagesFrom) {
        // A large growth comes as untouched zero pages: only the old bytes are copied, so a
        // run of zeros inserted costs no memory until it is written.
        void* fresh = std::calloc(capacity, 1);
        if (fresh == nullptr) {
            return false;
        }
        std::memcpy(fresh, bytes_.get(), capacity_);
        return take(fresh, capacity);
    }
    void* p = std::realloc(bytes_.get(), capacity);
    if (p == nullptr) {
        return false;
    }
    (void)bytes_.release(); // realloc has taken ownership of the old pointer
    bytes_.reset(static_cast<std::uint8_t*>(p));
    std::memset(bytes_.get() + capacity_, 0, capacity - capacity_);
    capacity_ = capacity;
    return true;
}

void ByteBlock::release()
{
    bytes_.reset();
    capacity_ = 0;
}
