#pragma once
// Member access and the built-in methods of the expression language.
#include "structure/TextConverter.h"
#include "structure/Value.h"

#include <string>
#include <vector>

namespace structure {

class StructValue;

// A field, instance or parameter of an object, or _root, _parent, _io, _sizeof.
Value structMember(StructValue& object, const std::string& name);
// `object.name._sizeof`: the bytes the member took.
Value memberSize(StructValue& object, const std::string& name);
// `target.name` and `target.name(args)`; throws EvalFailure (column 0).
Value callMethod(const Value& target, const std::string& name, const std::vector<Value>& args, bool hasParens,
                 const TextConverter* converter);

} // namespace structure
