#pragma once
// Which types and fields take the same number of bits every time: what
// `sizeof<>` answers, and what lets a repeat compute its elements on request.
#include "structure/Definition.h"

#include <cstdint>
#include <optional>

namespace structure {

std::optional<std::uint64_t> fixedTypeBits(const TypeDef& type);
std::optional<std::uint64_t> fixedRefBits(const TypeRef& ref);
std::optional<std::uint64_t> fixedAttributeBits(const Attribute& attribute);

// The bytes one element of a repeated field takes, when every element takes
// the same whole bytes and reading one fails only for lack of data (no
// contents, valid or process inside). Such repeats are not read element by
// element up front.
std::optional<std::uint64_t> lazyElementSize(const Attribute& attribute);

} // namespace structure
