#include "structure/Evaluator.h"

#include "structure/AttributeLoader.h"

#include "structure/DataError.h"
#include "structure/ExprMethods.h"
#include "structure/ExprParser.h"
#include "structure/FixedSize.h"
#include "structure/NameResolver.h"
#include "structure/ParseSession.h"
#include "structure/StructValue.h"
#include "structure/ValueOps.h"

#include <algorithm>

namespace structure {

namespace {

constexpr std::uint64_t bitsPerByte = 8;

class Evaluator {
public:
    explicit Evaluator(const EvalScope& scope) : scope_(scope) {}

    Value eval(const ExprNode& n)
    {
        try {
            return dispatch(n);
        } catch (const EvalFailure& failure) {
            if (failure.column() == unanchored) {
                throw EvalFailure(n.column, failure.what());
            }
            throw;
        }
    }

private:
    bool condition(const ExprNode& n)
    {
        const Value v = eval(n);
        if (v.kind != Value::Kind::Bool) {
            throw EvalFailure(n.column, std::string("expected a boolean, got ") + v.kindName());
        }
        return v.i != 0;
    }

    const TextConverter* converter() const { return scope_.self ? &scope_.self->session().converter() : nullptr; }

    Value name(const ExprNode& n)
    {
        if (n.text == "_") {
            if (!scope_.underscore) {
                throw EvalFailure(n.column, "'_' is not defined here");
            }
            return *scope_.underscore;
        }
        if (n.text == "_index") {
            if (!scope_.index) {
                throw EvalFailure(n.column, "'_index' is defined only in a repeat");
            }
            return Value::integer(*scope_.index);
        }
        if (n.text == "_is_le" && scope_.self && scope_.self->littleEndian) {
            return Value::boolean(*scope_.self->littleEndian);
        }
        if (!scope_.self) {
            throw EvalFailure(n.column, "unknown name '" + n.text + "'");
        }
        return structMember(*scope_.self, n.text);
    }

    Value sizeOf(const ExprNode& n)
    {
        std::optional<std::uint64_t> bits;
        if (n.typeDef) {
            bits = fixedTypeBits(*n.typeDef);
        } else if (n.path.size() == 1) {
            bits = fixedRefBits(parseTypeName(n.path[0], {}));
        }
        if (!bits) {
            throw EvalFailure(n.column, "the size of this type is not fixed");
        }
        const std::uint64_t out = n.bits ? *bits : (*bits + bitsPerByte - 1) / bitsPerByte;
        return Value::integer(static_cast<std::int64_t>(out));
    }

    Value index(const ExprNode& n)
    {
        const Value target = eval(*n.children[0]);
        const Value at = eval(*n.children[1]);
        if (at.kind != Value::Kind::Int) {
            throw EvalFailure(n.children[1]->column, "an index must be an integer");
        }
        if (target.kind == Value::Kind::Bytes) {
            if (at.i < 0 || static_cast<std::uint64_t>(at.i) >= target.s.size()) {
                throw EvalFailure(n.column,
                                  "index " + std::to_string(at.i) + " is outside " + byteCount(target.s.size()));
            }
            return Value::integer(static_cast<unsigned char>(target.s[static_cast<std::size_t>(at.i)]));
        }
        if (target.kind == Value::Kind::Array) {
            if (at.i < 0 || static_cast<std::uint64_t>(at.i) >= target.array->size()) {
                throw EvalFailure(n.column, "index " + std::to_string(at.i) + " is outside an array of " +
                                                std::to_string(target.array->size()));
            }
            return target.array->item(static_cast<std::size_t>(at.i)).value;
        }
        throw EvalFailure(n.column, std::string("cannot index ") + target.kindName());
    }

    static bool isSpecialName(const std::string& name) { return !name.empty() && name[0] == '_'; }

    Value member(const ExprNode& n)
    {
        const ExprNode& target = *n.children[0];
        // `field._sizeof` asks for the field's bytes, not its value's.
        if (n.text == "_sizeof" && target.kind == ExprKind::Name && !isSpecialName(target.text) && scope_.self) {
            return memberSize(*scope_.self, target.text);
        }
        if (n.text == "_sizeof" && target.kind == ExprKind::Member && !isSpecialName(target.text)) {
            const Value owner = eval(*target.children[0]);
            if (owner.kind == Value::Kind::Struct) {
                return memberSize(*owner.object, target.text);
            }
        }
        return callMethod(eval(target), n.text, {}, false, converter());
    }

    Value dispatch(const ExprNode& n)
    {
        switch (n.kind) {
        case ExprKind::Int:
            return Value::integer(n.intValue, n.unsignedValue);
        case ExprKind::Float:
            return Value::floating(n.floatValue);
        case ExprKind::Str:
            return Value::text(n.text);
        case ExprKind::Bool:
            return Value::boolean(n.intValue != 0);
        case ExprKind::Array: {
            std::vector<Value> items;
            for (const auto& child : n.children) {
                items.push_back(eval(*child));
            }
            return arrayLiteral(std::move(items));
        }
        case ExprKind::Name:
            return name(n);
        case ExprKind::EnumRef: {
            if (!n.enumDef) {
                throw EvalFailure(n.column, "unknown enum");
            }
            Value v = Value::integer(n.enumDef->values.at(n.text));
            v.enumDef = n.enumDef;
            return v;
        }
        case ExprKind::Unary:
            return applyUnary(n.op, eval(*n.children[0]));
        case ExprKind::Binary:
            if (n.op == ExprOp::And) {
                return Value::boolean(condition(*n.children[0]) && condition(*n.children[1]));
            }
            if (n.op == ExprOp::Or) {
                return Value::boolean(condition(*n.children[0]) || condition(*n.children[1]));
            }
            return applyBinary(n.op, eval(*n.children[0]), eval(*n.children[1]));
        case ExprKind::Ternary:
            return condition(*n.children[0]) ? eval(*n.children[1]) : eval(*n.children[2]);
        case ExprKind::Member:
            return member(n);
        case ExprKind::Call: {
            const Value target = eval(*n.children[0]);
            std::vector<Value> args;
            for (std::size_t k = 1; k < n.children.size(); ++k) {
                args.push_back(eval(*n.children[k]));
            }
            return callMethod(target, n.text, args, true, converter());
        }
        case ExprKind::Index:
            return index(n);
        case ExprKind::Cast:
            return eval(*n.children[0]);
        case ExprKind::SizeOf:
            return sizeOf(n);
        }
        throw EvalFailure(n.column, "unknown expression");
    }

    const EvalScope& scope_;
};

} // namespace

Value evaluate(const Expression& expression, const EvalScope& scope)
{
    try {
        return Evaluator(scope).eval(*expression.root);
    } catch (const EvalFailure& failure) {
        throw DataError(std::string(failure.what()) + " (in '" + expression.text + "' at " +
                        expression.pos.shifted(std::max(failure.column(), 0)).text() + ")");
    }
}

bool evaluateBool(const Expression& expression, const EvalScope& scope)
{
    const Value v = evaluate(expression, scope);
    if (v.kind != Value::Kind::Bool) {
        throw DataError(std::string("expected a boolean, got ") + v.kindName() + " (in '" + expression.text + "' at " +
                        expression.pos.text() + ")");
    }
    return v.i != 0;
}

std::int64_t evaluateInt(const Expression& expression, const EvalScope& scope)
{
    const Value v = evaluate(expression, scope);
    if (v.kind != Value::Kind::Int) {
        throw DataError(std::string("expected an integer, got ") + v.kindName() + " (in '" + expression.text + "' at " +
                        expression.pos.text() + ")");
    }
    return v.i;
}

Value evaluateText(const std::string& text, const EvalScope& scope)
{
    const auto root = parseExpression(text);
    return Evaluator(scope).eval(*root);
}

} // namespace structure
