#pragma once
// A YAML document as the loader reads it: scalars keep their text untyped
// (the loader types each one by what the key expects), mappings keep their
// order, and every node knows where it was written.
#include "structure/SourcePos.h"

#include <string>
#include <utility>
#include <vector>

namespace structure {

struct YamlNode {
    enum class Kind { Scalar, Sequence, Mapping };
    Kind kind = Kind::Scalar;
    SourcePos pos;
    std::string text; // a scalar's value
    bool quoted = false; // a quoted or block scalar: never a number, boolean or null
    std::vector<YamlNode> items; // a sequence's items
    std::vector<std::pair<YamlNode, YamlNode>> entries; // a mapping's keys and values

    bool isScalar() const { return kind == Kind::Scalar; }
    bool isMapping() const { return kind == Kind::Mapping; }
    bool isSequence() const { return kind == Kind::Sequence; }
    bool isNull() const { return kind == Kind::Scalar && !quoted && (text.empty() || text == "~" || text == "null"); }
    const YamlNode* find(const std::string& key) const;
    // Where an expression's first character is, given a plain or quoted scalar.
    SourcePos textPos() const { return quoted ? pos.shifted(1) : pos; }
};

// Parses YAML text; throws DefinitionError at the line and column of a syntax
// error, a duplicate key, or a document that is not one mapping.
YamlNode parseYaml(const std::string& text, const std::shared_ptr<const std::string>& fileName);

} // namespace structure
