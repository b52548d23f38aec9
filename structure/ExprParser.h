#pragma once
// Parses structure-definition expression text into an ExprNode tree; throws
// ExprSyntaxError with the column of the fault.
#include "structure/ExprAst.h"

#include <memory>
#include <string>

namespace structure {

std::unique_ptr<ExprNode> parseExpression(const std::string& text);

// A type name as `as<...>` and `type:` write it, split at `::`.
std::vector<std::string> splitTypePath(const std::string& name);

} // namespace structure
