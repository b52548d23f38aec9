#pragma once
// Reads YAML nodes in the form a key expects: YAML itself leaves scalars
// untyped here, so `0x0253_f2f4` becomes an integer only where one is wanted
// and `yes` a boolean only where a boolean is.
#include "structure/Definition.h"
#include "structure/YamlTree.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace structure {

// Parses an integer as definitions write them: decimal, 0x, 0o or 0b, `_`
// between digits, an optional sign. False when the text is no integer.
bool parseIntegerText(const std::string& text, std::int64_t& out);

std::int64_t requireInteger(const YamlNode& node, const char* what);
bool requireBool(const YamlNode& node, const char* what);
const std::string& requireScalar(const YamlNode& node, const char* what);
const YamlNode& requireMapping(const YamlNode& node, const char* what);
const YamlNode& requireSequence(const YamlNode& node, const char* what);
// An identifier: lowercase letter, then lowercase letters, digits or `_`.
std::string requireIdentifier(const YamlNode& node, const char* what);
// One string or a list of them.
std::vector<std::string> stringList(const YamlNode& node, const char* what);

// Parses a scalar as an expression; syntax errors name the column inside it.
Expression makeExpression(const YamlNode& node, const char* what);
Expression makeExpression(const std::string& text, const SourcePos& pos);

// Rejects keys outside `allowed`; keys starting with `-` are free-form.
void checkKeys(const YamlNode& mapping, std::initializer_list<const char*> allowed, const char* where);

} // namespace structure
