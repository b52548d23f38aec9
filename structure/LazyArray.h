#pragma once
// A repeat whose elements all take the same bytes: its count is known at
// once and each element is read when asked for, so a table of millions of
// records costs nothing until someone looks at it.
#include "structure/Stream.h"
#include "structure/StructValue.h"

namespace structure {

class LazyArray final : public ArrayValue {
public:
    LazyArray(StructValue& owner, const Attribute& attribute, std::shared_ptr<Stream> io, std::uint64_t start,
              std::uint64_t elementSize, std::size_t count, std::string path);
    std::size_t size() const override { return count_; }
    Item item(std::size_t index) const override;
    std::uint64_t elementSize() const { return elementSize_; }
    // Where the first element starts (absolute).
    std::uint64_t firstOffset() const { return io_->absolute(start_); }
    // The element holding a byte at `offset` (absolute), if any.
    std::optional<std::size_t> indexAt(std::uint64_t offset) const;

private:
    std::weak_ptr<StructValue> owner_; // the owner holds this array, so not shared
    const Attribute& attribute_;
    std::shared_ptr<Stream> io_;
    std::uint64_t start_;
    std::uint64_t elementSize_;
    std::size_t count_;
    std::string path_;
};

} // namespace structure
