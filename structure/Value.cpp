#include "structure/Value.h"

namespace structure {

Value Value::integer(std::int64_t v, bool isUnsigned)
{
    Value out;
    out.kind = Kind::Int;
    out.i = v;
    out.isUnsigned = isUnsigned && v < 0;
    return out;
}

Value Value::floating(double v)
{
    Value out;
    out.kind = Kind::Float;
    out.f = v;
    return out;
}

Value Value::boolean(bool v)
{
    Value out;
    out.kind = Kind::Bool;
    out.i = v ? 1 : 0;
    return out;
}

Value Value::text(std::string v)
{
    Value out;
    out.kind = Kind::Str;
    out.s = std::move(v);
    return out;
}

Value Value::bytes(std::string v)
{
    Value out;
    out.kind = Kind::Bytes;
    out.s = std::move(v);
    return out;
}

Value Value::structure(std::shared_ptr<StructValue> v)
{
    Value out;
    out.kind = Kind::Struct;
    out.object = std::move(v);
    return out;
}

Value Value::list(std::shared_ptr<const ArrayValue> v)
{
    Value out;
    out.kind = Kind::Array;
    out.array = std::move(v);
    return out;
}

Value Value::streamOf(std::shared_ptr<Stream> v)
{
    Value out;
    out.kind = Kind::Stream;
    out.stream = std::move(v);
    return out;
}

double Value::asDouble() const
{
    if (kind == Kind::Float) {
        return f;
    }
    return isUnsigned ? static_cast<double>(static_cast<std::uint64_t>(i)) : static_cast<double>(i);
}

const char* Value::kindName() const
{
    switch (kind) {
    case Kind::None:
        return "nothing";
    case Kind::Int:
        return "an integer";
    case Kind::Float:
        return "a float";
    case Kind::Bool:
        return "a boolean";
    case Kind::Str:
        return "a string";
    case Kind::Bytes:
        return "bytes";
    case Kind::Struct:
        return "an object";
    case Kind::Array:
        return "an array";
    case Kind::Stream:
        return "a stream";
    }
    return "?";
}

std::string hexOf(const std::string& bytes)
{
    static const char hexDigitChars[] = "0123456789abcdef";
    constexpr unsigned nibbleBits = 4;
    constexpr unsigned nibbleMask = 0xF;
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += hexDigitChars[b >> nibbleBits];
        out += hexDigitChars[b & nibbleMask];
    }
    return out;
}

} // namespace structure
