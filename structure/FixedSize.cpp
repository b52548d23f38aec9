#include "structure/FixedSize.h"

#include <set>

namespace structure {

namespace {

constexpr std::uint64_t bitsPerByte = 8;

std::uint64_t roundUpToByte(std::uint64_t bits)
{
    return (bits + bitsPerByte - 1) / bitsPerByte * bitsPerByte;
}

std::optional<std::int64_t> literal(const std::optional<Expression>& e)
{
    if (!e || e->root->kind != ExprKind::Int || e->root->unsignedValue) {
        return std::nullopt;
    }
    return e->root->intValue;
}

// Recursive types are never fixed; the set breaks the cycle.
std::optional<std::uint64_t> typeBits(const TypeDef& type, std::set<const TypeDef*>& visiting);

std::optional<std::uint64_t> refBits(const TypeRef& ref, std::set<const TypeDef*>& visiting)
{
    switch (ref.kind) {
    case TypeRef::Kind::Int:
    case TypeRef::Kind::Float:
        return static_cast<std::uint64_t>(ref.width) * bitsPerByte;
    case TypeRef::Kind::Bits:
        return static_cast<std::uint64_t>(ref.width);
    case TypeRef::Kind::User: {
        const auto bits = ref.user ? typeBits(*ref.user, visiting) : std::nullopt;
        if (!bits || *bits % bitsPerByte != 0) {
            return std::nullopt;
        }
        return bits;
    }
    default:
        return std::nullopt;
    }
}

std::optional<std::uint64_t> attributeBits(const Attribute& a, std::set<const TypeDef*>& visiting)
{
    if (a.condition || a.repeat == RepeatKind::Eos || a.repeat == RepeatKind::Until || a.sizeEos) {
        return std::nullopt;
    }
    std::optional<std::uint64_t> one;
    if (a.contents) {
        one = a.contents->size() * bitsPerByte;
    } else if (a.size) {
        const auto n = literal(a.size);
        if (!n || *n < 0) {
            return std::nullopt;
        }
        one = static_cast<std::uint64_t>(*n) * bitsPerByte;
    } else if (a.terminator) {
        return std::nullopt;
    } else {
        one = refBits(a.type, visiting);
    }
    if (!one || a.repeat != RepeatKind::Expr) {
        return one;
    }
    const auto count = literal(a.repeatExpr);
    if (!count || *count < 0) {
        return std::nullopt;
    }
    return *one * static_cast<std::uint64_t>(*count);
}

std::optional<std::uint64_t> typeBits(const TypeDef& type, std::set<const TypeDef*>& visiting)
{
    if (!visiting.insert(&type).second) {
        return std::nullopt;
    }
    std::uint64_t bits = 0;
    for (const auto& a : type.seq) {
        const auto b = attributeBits(a, visiting);
        if (!b) {
            visiting.erase(&type);
            return std::nullopt;
        }
        const bool bitField = a.type.kind == TypeRef::Kind::Bits && !a.size && !a.contents;
        bits = (bitField ? bits : roundUpToByte(bits)) + *b;
    }
    visiting.erase(&type);
    return bits;
}

// Reading it can fail only for lack of data.
bool cannotFail(const TypeDef& type, std::set<const TypeDef*>& visiting)
{
    if (!visiting.insert(&type).second) {
        return true;
    }
    const EndianSpec* endian = type.effectiveEndian();
    if (endian && endian->kind == Endian::Switch) {
        return false;
    }
    for (const auto& a : type.seq) {
        if (a.contents || a.valid.any() || a.process != ProcessKind::None) {
            return false;
        }
        if (a.type.kind == TypeRef::Kind::User && a.type.user && !cannotFail(*a.type.user, visiting)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::uint64_t> fixedTypeBits(const TypeDef& type)
{
    std::set<const TypeDef*> visiting;
    return typeBits(type, visiting);
}

std::optional<std::uint64_t> fixedRefBits(const TypeRef& ref)
{
    std::set<const TypeDef*> visiting;
    return refBits(ref, visiting);
}

std::optional<std::uint64_t> fixedAttributeBits(const Attribute& attribute)
{
    std::set<const TypeDef*> visiting;
    return attributeBits(attribute, visiting);
}

std::optional<std::uint64_t> lazyElementSize(const Attribute& a)
{
    if (a.repeat != RepeatKind::Expr && a.repeat != RepeatKind::Eos) {
        return std::nullopt;
    }
    if (a.contents || a.valid.any() || a.process != ProcessKind::None || a.sizeEos || a.terminator) {
        return std::nullopt;
    }
    if (a.type.kind == TypeRef::Kind::Switch || a.type.kind == TypeRef::Kind::Bits) {
        return std::nullopt;
    }
    std::set<const TypeDef*> visiting;
    if (a.type.kind == TypeRef::Kind::User && (!a.type.user || !cannotFail(*a.type.user, visiting))) {
        return std::nullopt;
    }
    std::optional<std::uint64_t> bits;
    if (a.size) {
        const auto n = literal(a.size);
        if (!n || *n <= 0) {
            return std::nullopt;
        }
        // The element's bytes bound a user type; its own reads may fail within them.
        bits = static_cast<std::uint64_t>(*n) * bitsPerByte;
        if (a.type.kind == TypeRef::Kind::User) {
            const auto inner = fixedRefBits(a.type);
            if (!inner || *inner > *bits) {
                return std::nullopt;
            }
        }
    } else {
        bits = fixedRefBits(a.type);
    }
    if (!bits || *bits == 0 || *bits % bitsPerByte != 0) {
        return std::nullopt;
    }
    return *bits / bitsPerByte;
}

} // namespace structure
