#pragma once
// Reads one `seq` entry or instance from YAML into an Attribute.
#include "structure/Definition.h"
#include "structure/YamlTree.h"

namespace structure {

// `id` is the instance's key for instances, or empty for a seq entry (which
// carries its own `id`, or is named `_unnamedN` after its place).
Attribute loadAttribute(const YamlNode& node, bool isInstance, const std::string& id, std::size_t place);

// A type as `type:` writes it: u4le, b3, str, strz, or a user type with
// optional parameters, `name(arg, ...)`.
TypeRef parseTypeName(const std::string& written, const SourcePos& pos);

} // namespace structure
