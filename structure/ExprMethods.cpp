#include "structure/ExprMethods.h"

#include "structure/DataError.h"
#include "structure/Evaluator.h"
#include "structure/ParseSession.h"
#include "structure/Stream.h"
#include "structure/StructValue.h"
#include "structure/ValueOps.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace structure {

namespace {

constexpr int minRadix = 2;
constexpr int maxRadix = 36;
constexpr int defaultRadix = 10;
// 2^63: floats from here up hold no signed 64-bit integer.
constexpr double int64Bound = 9223372036854775808.0;

[[noreturn]] void fail(const std::string& message)
{
    throw EvalFailure(unanchored, message);
}

class NoConverter final : public TextConverter {
public:
    bool toUtf8(const std::string&, const std::string&, std::string&) const override { return false; }
};

std::int64_t intArg(const std::vector<Value>& args, std::size_t at, const char* method)
{
    if (at >= args.size() || args[at].kind != Value::Kind::Int) {
        fail(std::string(method) + " needs an integer argument");
    }
    return args[at].i;
}

std::string integerText(const Value& v, int radix)
{
    if (radix < minRadix || radix > maxRadix) {
        fail("to_s needs a radix from 2 to 36");
    }
    const bool negative = !v.isUnsigned && v.i < 0;
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(v.i) : static_cast<std::uint64_t>(v.i);
    std::string digits;
    const auto r = static_cast<std::uint64_t>(radix);
    do {
        digits.insert(digits.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[magnitude % r]);
        magnitude /= r;
    } while (magnitude > 0);
    return negative ? "-" + digits : digits;
}

Value parseInteger(const std::string& text, int radix)
{
    if (radix < minRadix || radix > maxRadix) {
        fail("to_i needs a radix from 2 to 36");
    }
    if (text.empty()) {
        fail("to_i of an empty string");
    }
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, radix);
    if (end != text.c_str() + text.size() || errno == ERANGE) {
        fail("'" + text + "' is not an integer in radix " + std::to_string(radix));
    }
    return Value::integer(value);
}

// Code points of UTF-8 text, for length, reverse and substring.
std::vector<std::string> codePoints(const std::string& text)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) {
            ++n;
        }
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

Value stringMethod(const Value& target, const std::string& name, const std::vector<Value>& args)
{
    if (name == "length") {
        return Value::integer(static_cast<std::int64_t>(codePoints(target.s).size()));
    }
    if (name == "reverse") {
        std::string out;
        const auto points = codePoints(target.s);
        for (auto it = points.rbegin(); it != points.rend(); ++it) {
            out += *it;
        }
        return Value::text(out);
    }
    if (name == "substring") {
        const auto points = codePoints(target.s);
        const auto count = static_cast<std::int64_t>(points.size());
        const std::int64_t from = intArg(args, 0, "substring"), to = intArg(args, 1, "substring");
        if (from < 0 || to < from || to > count) {
            fail("substring(" + std::to_string(from) + ", " + std::to_string(to) + ") is outside a string of " +
                 std::to_string(count));
        }
        std::string out;
        for (std::int64_t k = from; k < to; ++k) {
            out += points[static_cast<std::size_t>(k)];
        }
        return Value::text(out);
    }
    if (name == "to_i") {
        return parseInteger(target.s, args.empty() ? defaultRadix : static_cast<int>(intArg(args, 0, "to_i")));
    }
    if (name == "to_s") {
        return target;
    }
    if (name == "index_of") {
        if (args.size() != 1 || args[0].kind != Value::Kind::Str) {
            fail("index_of needs a string");
        }
        const std::size_t at = target.s.find(args[0].s);
        return Value::integer(
            at == std::string::npos ? -1 : static_cast<std::int64_t>(codePoints(target.s.substr(0, at)).size()));
    }
    fail("strings have no method '" + name + "'");
}

// Methods arrays and byte arrays share: size, first, last, min, max, reverse, index_of.
Value sequenceMethod(const Value& target, const std::string& name, const std::vector<Value>& args)
{
    const bool isBytes = target.kind == Value::Kind::Bytes;
    const std::size_t count = isBytes ? target.s.size() : target.array->size();
    auto element = [&](std::size_t k) {
        return isBytes ? Value::integer(static_cast<unsigned char>(target.s[k])) : target.array->item(k).value;
    };
    if (name == "size" || name == "length") {
        return Value::integer(static_cast<std::int64_t>(count));
    }
    if (name == "first" || name == "last") {
        if (count == 0) {
            fail(name + " of an empty array");
        }
        return element(name == "first" ? 0 : count - 1);
    }
    if (name == "min" || name == "max") {
        if (count == 0) {
            fail(name + " of an empty array");
        }
        Value best = element(0);
        for (std::size_t k = 1; k < count; ++k) {
            Value v = element(k);
            const int order = compareValues(v, best);
            if (name == "min" ? order < 0 : order > 0) {
                best = std::move(v);
            }
        }
        return best;
    }
    if (name == "reverse") {
        if (isBytes) {
            return Value::bytes(std::string(target.s.rbegin(), target.s.rend()));
        }
        std::vector<Value> items;
        for (std::size_t k = count; k > 0; --k) {
            items.push_back(element(k - 1));
        }
        return arrayLiteral(std::move(items));
    }
    if (name == "index_of") {
        if (args.size() != 1) {
            fail("index_of needs one argument");
        }
        for (std::size_t k = 0; k < count; ++k) {
            if (valuesEqual(element(k), args[0])) {
                return Value::integer(static_cast<std::int64_t>(k));
            }
        }
        return Value::integer(-1);
    }
    fail(std::string(isBytes ? "byte arrays" : "arrays") + " have no method '" + name + "'");
}

} // namespace

Value structMember(StructValue& object, const std::string& name)
{
    if (name == "_root") {
        return Value::structure(object.root().shared_from_this());
    }
    if (name == "_parent") {
        if (!object.parent()) {
            fail("the top object has no _parent");
        }
        return Value::structure(object.parent()->shared_from_this());
    }
    if (name == "_io") {
        return Value::streamOf(object.io());
    }
    if (name == "_sizeof") {
        return Value::integer(static_cast<std::int64_t>(object.end - object.start));
    }
    const TypeDef& type = object.type();
    const int seq = type.seqIndex(name);
    if (seq >= 0) {
        const auto at = static_cast<std::size_t>(seq);
        if (at >= object.fields().size()) {
            fail("'" + name + "' is not read yet");
        }
        const Field& field = object.fields()[at];
        return field.present ? field.item.value : Value();
    }
    const int instance = type.instanceIndex(name);
    if (instance >= 0) {
        const Field& field = object.instance(static_cast<std::size_t>(instance));
        return field.present ? field.item.value : Value();
    }
    for (std::size_t k = 0; k < type.params.size(); ++k) {
        if (type.params[k].id == name) {
            if (k >= object.params.size()) {
                fail("parameter '" + name + "' was not given");
            }
            return object.params[k];
        }
    }
    fail("type '" + type.name + "' has no member '" + name + "'");
}

Value memberSize(StructValue& object, const std::string& name)
{
    const TypeDef& type = object.type();
    const Field* field = nullptr;
    const int seq = type.seqIndex(name);
    if (seq >= 0 && static_cast<std::size_t>(seq) < object.fields().size()) {
        field = &object.fields()[static_cast<std::size_t>(seq)];
    }
    const int instance = type.instanceIndex(name);
    if (instance >= 0) {
        field = &object.instance(static_cast<std::size_t>(instance));
    }
    if (!field || !field->present || !field->item.span.known) {
        fail("'" + name + "' has no size in the bytes");
    }
    return Value::integer(static_cast<std::int64_t>(field->item.span.size));
}

Value callMethod(const Value& target, const std::string& name, const std::vector<Value>& args, bool hasParens,
                 const TextConverter* converter)
{
    if (target.kind == Value::Kind::Struct && !hasParens) {
        return structMember(*target.object, name);
    }
    switch (target.kind) {
    case Value::Kind::Int:
        if (name == "to_s") {
            return Value::text(
                integerText(target, args.empty() ? defaultRadix : static_cast<int>(intArg(args, 0, "to_s"))));
        }
        if (name == "to_i") {
            return Value::integer(target.i, target.isUnsigned);
        }
        break;
    case Value::Kind::Float:
        if (name == "to_i") {
            if (!std::isfinite(target.f)) {
                fail("to_i of a float that is not finite");
            }
            if (target.f < -int64Bound || target.f >= int64Bound) {
                fail("to_i of a float past the 64-bit integer range");
            }
            return Value::integer(static_cast<std::int64_t>(target.f));
        }
        break;
    case Value::Kind::Bool:
        if (name == "to_i") {
            return Value::integer(target.i);
        }
        break;
    case Value::Kind::Str:
        return stringMethod(target, name, args);
    case Value::Kind::Bytes:
        if (name == "to_s") {
            if (args.size() != 1 || args[0].kind != Value::Kind::Str) {
                fail("to_s of bytes needs an encoding");
            }
            static const NoConverter noConversion;
            try {
                return Value::text(decodeText(args[0].s, target.s, converter ? *converter : noConversion));
            } catch (const DataError& e) {
                fail(e.what());
            }
        }
        return sequenceMethod(target, name, args);
    case Value::Kind::Array:
        return sequenceMethod(target, name, args);
    case Value::Kind::Stream:
        if (name == "size") {
            return Value::integer(static_cast<std::int64_t>(target.stream->size()));
        }
        if (name == "pos") {
            return Value::integer(static_cast<std::int64_t>(target.stream->pos()));
        }
        if (name == "eof") {
            return Value::boolean(target.stream->eof());
        }
        break;
    case Value::Kind::Struct:
    case Value::Kind::None:
        break;
    }
    if (target.kind == Value::Kind::None) {
        fail("'" + name + "' of an absent value");
    }
    fail(std::string(target.kindName()) + " has no method '" + name + "'");
}

} // namespace structure
