#include "structure/ValueOps.h"

#include "structure/Evaluator.h"

#include <cmath>

namespace structure {

namespace {

constexpr int wordBits = 64;
constexpr std::int64_t byteMax = 255;

[[noreturn]] void fail(const std::string& message)
{
    throw EvalFailure(unanchored, message);
}

std::uint64_t bitsOf(std::int64_t v)
{
    return static_cast<std::uint64_t>(v);
}
std::int64_t fromBits(std::uint64_t v)
{
    return static_cast<std::int64_t>(v);
}

Value intResult(std::uint64_t bits, bool isUnsigned)
{
    return Value::integer(fromBits(bits), isUnsigned);
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    if (b == -1) {
        return fromBits(0 - bitsOf(a)); // INT64_MIN / -1 wraps instead of trapping
    }
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

std::int64_t floorMod(std::int64_t a, std::int64_t b)
{
    if (b == -1) {
        return 0;
    }
    std::int64_t r = a % b;
    if (r != 0 && ((r < 0) != (b < 0))) {
        r += b;
    }
    return r;
}

Value integerOp(ExprOp op, const Value& l, const Value& r)
{
    const bool u = l.isUnsigned || r.isUnsigned;
    const std::uint64_t a = bitsOf(l.i), b = bitsOf(r.i);
    switch (op) {
    case ExprOp::Add:
        return intResult(a + b, u);
    case ExprOp::Sub:
        return intResult(a - b, u);
    case ExprOp::Mul:
        return intResult(a * b, u);
    case ExprOp::Div:
        if (r.i == 0) {
            fail("division by zero");
        }
        if (u) {
            return intResult(a / b, true);
        }
        return Value::integer(floorDiv(l.i, r.i));
    case ExprOp::Mod:
        if (r.i == 0) {
            fail("modulo by zero");
        }
        if (u) {
            return intResult(a % b, true);
        }
        return Value::integer(floorMod(l.i, r.i));
    case ExprOp::Shl:
        return intResult(r.i < 0 || r.i >= wordBits ? 0 : a << b, u);
    case ExprOp::Shr:
        if (r.i < 0 || r.i >= wordBits) {
            return Value::integer(l.i < 0 && !l.isUnsigned ? -1 : 0);
        }
        if (l.isUnsigned || l.i >= 0) {
            return intResult(a >> b, l.isUnsigned);
        }
        return Value::integer(fromBits(~(~a >> b))); // arithmetic shift, written without UB
    case ExprOp::BitAnd:
        return intResult(a & b, u);
    case ExprOp::BitOr:
        return intResult(a | b, u);
    case ExprOp::BitXor:
        return intResult(a ^ b, u);
    default:
        break;
    }
    fail("this operator does not apply to integers");
}

Value floatOp(ExprOp op, double a, double b)
{
    switch (op) {
    case ExprOp::Add:
        return Value::floating(a + b);
    case ExprOp::Sub:
        return Value::floating(a - b);
    case ExprOp::Mul:
        return Value::floating(a * b);
    case ExprOp::Div:
        return Value::floating(a / b);
    case ExprOp::Mod: {
        const double r = std::fmod(a, b);
        return Value::floating(r != 0 && ((r < 0) != (b < 0)) ? r + b : r);
    }
    default:
        break;
    }
    fail("this operator does not apply to floats");
}

int compareInts(const Value& l, const Value& r)
{
    if (l.isUnsigned || r.isUnsigned) {
        if (!l.isUnsigned && l.i < 0) {
            return -1;
        }
        if (!r.isUnsigned && r.i < 0) {
            return 1;
        }
        const auto a = bitsOf(l.i), b = bitsOf(r.i);
        return a < b ? -1 : a > b ? 1 : 0;
    }
    return l.i < r.i ? -1 : l.i > r.i ? 1 : 0;
}

int compareText(const std::string& a, const std::string& b)
{
    // Unsigned byte order, as bytes compare.
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t k = 0; k < n; ++k) {
        const auto x = static_cast<unsigned char>(a[k]), y = static_cast<unsigned char>(b[k]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// A boolean meets an integer as 0 or 1: b1 fields are booleans. An absent
// field counts as 0 in arithmetic: the library leans on `b2 & 0x80 != 0`
// being false when b2's own `if` left it out.
Value numeric(const Value& v)
{
    return v.kind == Value::Kind::Bool || v.kind == Value::Kind::None ? Value::integer(v.i) : v;
}

} // namespace

int compareValues(const Value& left, const Value& right)
{
    const Value l = numeric(left), r = numeric(right);
    if (l.kind == Value::Kind::Int && r.kind == Value::Kind::Int) {
        return compareInts(l, r);
    }
    if (l.isNumber() && r.isNumber()) {
        const double a = l.asDouble(), b = r.asDouble();
        return a < b ? -1 : a > b ? 1 : 0;
    }
    if ((l.kind == Value::Kind::Str && r.kind == Value::Kind::Str) ||
        (l.kind == Value::Kind::Bytes && r.kind == Value::Kind::Bytes)) {
        return compareText(l.s, r.s);
    }
    fail(std::string("cannot compare ") + left.kindName() + " with " + right.kindName());
}

bool valuesEqual(const Value& left, const Value& right)
{
    if (left.kind == Value::Kind::None || right.kind == Value::Kind::None) {
        return left.kind == right.kind;
    }
    if (left.kind == Value::Kind::Struct && right.kind == Value::Kind::Struct) {
        return left.object == right.object;
    }
    if (left.kind == Value::Kind::Array && right.kind == Value::Kind::Array) {
        if (left.array->size() != right.array->size()) {
            return false;
        }
        for (std::size_t k = 0; k < left.array->size(); ++k) {
            if (!valuesEqual(left.array->item(k).value, right.array->item(k).value)) {
                return false;
            }
        }
        return true;
    }
    if (left.kind == Value::Kind::Bool && right.kind == Value::Kind::Bool) {
        return left.i == right.i;
    }
    return compareValues(left, right) == 0;
}

Value applyBinary(ExprOp op, const Value& left, const Value& right)
{
    switch (op) {
    case ExprOp::Eq:
        return Value::boolean(valuesEqual(left, right));
    case ExprOp::Ne:
        return Value::boolean(!valuesEqual(left, right));
    case ExprOp::Lt:
        return Value::boolean(compareValues(left, right) < 0);
    case ExprOp::Le:
        return Value::boolean(compareValues(left, right) <= 0);
    case ExprOp::Gt:
        return Value::boolean(compareValues(left, right) > 0);
    case ExprOp::Ge:
        return Value::boolean(compareValues(left, right) >= 0);
    default:
        break;
    }
    if (op == ExprOp::Add && left.kind == right.kind &&
        (left.kind == Value::Kind::Str || left.kind == Value::Kind::Bytes)) {
        Value out = left;
        out.s += right.s;
        return out;
    }
    const Value l = numeric(left), r = numeric(right);
    if (l.kind == Value::Kind::Int && r.kind == Value::Kind::Int) {
        return integerOp(op, l, r);
    }
    if (l.isNumber() && r.isNumber()) {
        return floatOp(op, l.asDouble(), r.asDouble());
    }
    fail(std::string("this operator does not apply to ") + left.kindName() + " and " + right.kindName());
}

Value applyUnary(ExprOp op, const Value& operand)
{
    if (op == ExprOp::Not) {
        if (operand.kind != Value::Kind::Bool) {
            fail(std::string("'not' needs a boolean, not ") + operand.kindName());
        }
        return Value::boolean(operand.i == 0);
    }
    const Value v = numeric(operand);
    if (op == ExprOp::Neg && v.kind == Value::Kind::Int) {
        return Value::integer(fromBits(0 - bitsOf(v.i)));
    }
    if (op == ExprOp::Neg && v.kind == Value::Kind::Float) {
        return Value::floating(-v.f);
    }
    if (op == ExprOp::BitNot && v.kind == Value::Kind::Int) {
        return intResult(~bitsOf(v.i), v.isUnsigned);
    }
    fail(std::string("this operator does not apply to ") + operand.kindName());
}

Value arrayLiteral(std::vector<Value> elements)
{
    bool allBytes = true;
    for (const auto& e : elements) {
        allBytes = allBytes && e.kind == Value::Kind::Int && !e.isUnsigned && e.i >= 0 && e.i <= byteMax;
    }
    if (allBytes) {
        std::string bytes;
        for (const auto& e : elements) {
            bytes += static_cast<char>(e.i);
        }
        return Value::bytes(bytes);
    }
    auto list = std::make_shared<ListArray>();
    for (auto& e : elements) {
        Item item;
        item.value = std::move(e);
        list->items.push_back(std::move(item));
    }
    return Value::list(list);
}

} // namespace structure
