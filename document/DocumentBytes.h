#pragma once
// The document's bytes as the rest of the program reaches them: their
// length, a span read in place, each block in order, a range replaced and a
// new block adopted whole. How the bytes are held stays document/'s own, so
// readers that visit blocks keep working however the bytes are kept.
#include <cstddef>
#include <cstdint>
#include <functional>

class ByteBlock;

// Bytes read in place; valid until the document next changes.
struct ByteSpan {
    const std::uint8_t* bytes = nullptr;
    std::size_t count = 0;

    bool empty() const { return count == 0; }
    const std::uint8_t* begin() const { return bytes; }
    const std::uint8_t* end() const { return bytes + count; }
};

class DocumentBytes {
public:
    // Called with a block's offset in the document and its bytes; false stops the visit.
    using BlockVisitor = std::function<bool(std::int64_t offset, ByteSpan block)>;

    virtual std::int64_t length() const = 0;
    // The `count` bytes from `offset` on; empty when any of them lies outside the document.
    virtual ByteSpan span(std::int64_t offset, std::int64_t count) const = 0;
    ByteSpan all() const { return span(0, length()); }
    // The blocks holding [first, end), in order, as long as `visit` returns
    // true; false when it stopped the visit.
    virtual bool forEachBlock(std::int64_t first, std::int64_t end, const BlockVisitor& visit) const = 0;
    // The `removed` bytes at `offset` replaced by the `count` bytes at
    // `bytes`; bookmarks on removed bytes go, those after move with their
    // bytes. False, changing nothing, when the range reaches outside the
    // document, the size would pass the largest, or the memory cannot be had.
    virtual bool replace(std::int64_t offset, std::int64_t removed, const std::uint8_t* bytes, std::int64_t count) = 0;
    // `block`, holding `byteCount` bytes and zeros after them, becomes the
    // document's bytes; the old ones and their bookmarks go.
    virtual void adopt(ByteBlock&& block, std::int32_t byteCount) = 0;

protected:
    DocumentBytes() = default;
    DocumentBytes(const DocumentBytes&) = default;
    DocumentBytes& operator=(const DocumentBytes&) = default;
    DocumentBytes(DocumentBytes&&) = default;
    DocumentBytes& operator=(DocumentBytes&&) = default;
    ~DocumentBytes() = default;
};
