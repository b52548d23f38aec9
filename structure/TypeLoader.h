#pragma once
// Reads a type's YAML (a file's top or an entry of `types`) into a TypeDef,
// with its nested types, enums and the type-level part of `meta`.
#include "structure/Definition.h"
#include "structure/YamlTree.h"

namespace structure {

void loadType(const YamlNode& node, TypeDef& type);

// The import names a file's `meta` lists, with where each is written.
std::vector<std::pair<std::string, SourcePos>> loadModuleMeta(const YamlNode& top, Module& module);

} // namespace structure
