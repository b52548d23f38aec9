#pragma once
// Binds the names a definition uses (types, enums, and those in expressions)
// to what they name, across imports; unknown names are definition errors.
#include "structure/Definition.h"

#include <string>
#include <vector>

namespace structure {

void resolveNames(Definition& definition);

// Looks a type or an enum up from `scope` outward, then among the modules.
const TypeDef* findType(const TypeDef& scope, const std::vector<std::string>& path);
const EnumDef* findEnum(const TypeDef& scope, const std::vector<std::string>& path);

// The primitive names `as<>` and `sizeof<>` accept besides user types.
bool isPrimitiveTypeName(const std::string& name);

} // namespace structure
