#include "structure/LazyReadFaults.h"

#include "structure/FixedSize.h"

#include <set>

namespace structure {

namespace {

// A number read in an order that only a switch or an enclosing object decides.
bool orderUnsettled(const TypeRef& ref, const TypeDef& holder)
{
    if ((ref.kind != TypeRef::Kind::Int && ref.kind != TypeRef::Kind::Float) || ref.width == 1 ||
        ref.endian != Endian::Inherit) {
        return false;
    }
    const EndianSpec* endian = holder.effectiveEndian();
    return !endian || endian->kind == Endian::Switch;
}

bool readMayFail(const TypeRef& ref, const TypeDef& holder, std::set<const TypeDef*>& visiting);

// Conservative: what the parse cannot fail on is what the reading of a
// lazy element does no more than copy and convert fixed bytes.
bool typeMayFail(const TypeDef& type, std::set<const TypeDef*>& visiting)
{
    if (!visiting.insert(&type).second) {
        return false;
    }
    if (!type.instances.empty() || !type.params.empty()) {
        return true;
    }
    for (const Attribute& a : type.seq) {
        if (a.contents || a.valid.any() || a.process != ProcessKind::None || a.condition) {
            return true;
        }
        if (readMayFail(a.type, type, visiting)) {
            return true;
        }
    }
    return false;
}

bool readMayFail(const TypeRef& ref, const TypeDef& holder, std::set<const TypeDef*>& visiting)
{
    switch (ref.kind) {
    case TypeRef::Kind::Bytes:
    case TypeRef::Kind::Bits:
        return false;
    case TypeRef::Kind::Int:
    case TypeRef::Kind::Float:
        return orderUnsettled(ref, holder);
    case TypeRef::Kind::User:
        return !ref.user || !ref.args.empty() || typeMayFail(*ref.user, visiting);
    default:
        return true; // text conversions and switches
    }
}

bool anyMayFail(const TypeDef& type)
{
    if (!type.instances.empty()) {
        return true;
    }
    for (const Attribute& a : type.seq) {
        if (!lazyElementSize(a)) {
            continue;
        }
        std::set<const TypeDef*> visiting;
        if (readMayFail(a.type, type, visiting)) {
            return true;
        }
    }
    for (const auto& nested : type.types) {
        if (anyMayFail(*nested.second)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool lazyReadsMayFail(const Definition& definition)
{
    for (const auto& module : definition.modules()) {
        if (anyMayFail(module->root)) {
            return true;
        }
    }
    return false;
}

} // namespace structure
