#pragma once
// Evaluates expressions over a parsed object: its fields, instances and
// parameters, `_root`, `_parent`, `_io`, `_index` and `_`.
#include "structure/Definition.h"
#include "structure/Value.h"

#include <optional>
#include <stdexcept>

namespace structure {

class StructValue;

struct EvalScope {
    StructValue* self = nullptr;
    const Value* underscore = nullptr; // `_`: the element just read, or the value being checked
    std::optional<std::int64_t> index; // `_index` in a repeat
};

// Throws DataError naming the expression, where it is written, and the column.
Value evaluate(const Expression& expression, const EvalScope& scope);
bool evaluateBool(const Expression& expression, const EvalScope& scope);
std::int64_t evaluateInt(const Expression& expression, const EvalScope& scope);

// Parses and evaluates text with no definition around it (tests, tools);
// throws ExprSyntaxError or EvalFailure, each with its column.
Value evaluateText(const std::string& text, const EvalScope& scope = {});

// Operators and methods throw this column; the node applying them fills in its own.
constexpr int unanchored = -1;

// A fault while evaluating, at the node's column; evaluate() adds the where.
class EvalFailure : public std::runtime_error {
public:
    EvalFailure(int column, const std::string& message) : std::runtime_error(message), column_(column) {}
    int column() const { return column_; }

private:
    int column_;
};

} // namespace structure
