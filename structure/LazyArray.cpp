#include "structure/LazyArray.h"

#include "structure/FieldReader.h"

namespace structure {

LazyArray::LazyArray(StructValue& owner, const Attribute& attribute, std::shared_ptr<Stream> io, std::uint64_t start,
                     std::uint64_t elementSize, std::size_t count, std::string path)
    : owner_(owner.weak_from_this()), attribute_(attribute), io_(std::move(io)), start_(start),
      elementSize_(elementSize), count_(count), path_(std::move(path))
{}

Item LazyArray::item(std::size_t index) const
{
    if (index >= count_) {
        throw std::out_of_range("element past the end of an array");
    }
    const auto owner = owner_.lock();
    if (!owner) {
        throw std::logic_error("an array outlived the object it belongs to");
    }
    // Each element reads from a stream of its own so readers never disturb one another.
    auto stream = io_->clone();
    stream->seek(start_ + static_cast<std::uint64_t>(index) * elementSize_);
    Item out;
    const auto i = static_cast<std::int64_t>(index);
    readElement(*owner, attribute_, stream, i, path_ + "[" + std::to_string(index) + "]", out);
    return out;
}

std::optional<std::size_t> LazyArray::indexAt(std::uint64_t offset) const
{
    const std::uint64_t first = firstOffset();
    if (offset < first) {
        return std::nullopt;
    }
    const std::uint64_t index = (offset - first) / elementSize_;
    if (index >= count_) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(index);
}

} // namespace structure
