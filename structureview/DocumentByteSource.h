#pragma once
// The document's bytes as the structure engine reads them, read in place
// block by block, so a parse copies only the bytes it asks for.
#include "document/DocumentBytes.h"
#include "structure/ByteSource.h"

class DocumentByteSource final : public structure::ByteSource {
public:
    explicit DocumentByteSource(const DocumentBytes& document) : document_(document) {}
    std::uint64_t size() const override;
    bool read(std::uint64_t offset, std::uint8_t* out, std::size_t count) const override;

private:
    const DocumentBytes& document_;
};
