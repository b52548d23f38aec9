#pragma once
// The expression language's operators on values; each throws EvalFailure
// (column 0: the caller re-anchors it) when the operands do not fit.
#include "structure/ExprAst.h"
#include "structure/Value.h"

namespace structure {

Value applyBinary(ExprOp op, const Value& left, const Value& right);
Value applyUnary(ExprOp op, const Value& operand);
bool valuesEqual(const Value& left, const Value& right);
// <0, 0, >0; throws for values with no order.
int compareValues(const Value& left, const Value& right);
// A literal array of integers 0..255 is a byte array, as the language says.
Value arrayLiteral(std::vector<Value> elements);

} // namespace structure
