#include "structure/FieldReader.h"

#include "structure/DataError.h"
#include "structure/ParseSession.h"
#include "structure/Processing.h"
#include "structure/TextConverter.h"
#include "structure/ValueOps.h"

#include <cstring>

namespace structure {

namespace {

constexpr int bitsPerByte = 8;
constexpr int floatBytes = 4;
constexpr int wordBits = 64;

bool byteOrder(const StructValue& owner, const TypeRef& type)
{
    if (type.endian == Endian::Little) {
        return true;
    }
    if (type.endian == Endian::Big) {
        return false;
    }
    if (type.width == 1) {
        return true;
    }
    if (!owner.littleEndian) {
        throw DataError("no byte order is given for a " + std::to_string(type.width) + "-byte number");
    }
    return *owner.littleEndian;
}

Value readNumber(StructValue& owner, const Attribute& a, const TypeRef& type, Stream& io)
{
    if (type.kind == TypeRef::Kind::Bits) {
        const bool little =
            type.endian == Endian::Little || (type.endian == Endian::Inherit && owner.type().bitsLittleEndian());
        const std::uint64_t raw = io.readBits(type.width, little);
        if (type.width == 1 && !a.enumDef) {
            return Value::boolean(raw != 0);
        }
        return Value::integer(static_cast<std::int64_t>(raw), type.width == wordBits);
    }
    io.alignToByte();
    const bool little = byteOrder(owner, type);
    const std::uint64_t raw = io.readUnsigned(type.width, little);
    if (type.kind == TypeRef::Kind::Float) {
        if (type.width == floatBytes) {
            const auto bits32 = static_cast<std::uint32_t>(raw);
            float f = 0;
            std::memcpy(&f, &bits32, sizeof f);
            return Value::floating(static_cast<double>(f));
        }
        double d = 0;
        std::memcpy(&d, &raw, sizeof d);
        return Value::floating(d);
    }
    const int bits = type.width * bitsPerByte;
    if (type.isSigned && bits < wordBits) {
        const std::uint64_t sign = 1ULL << (bits - 1);
        return Value::integer(static_cast<std::int64_t>((raw ^ sign) - sign)); // sign-extends without UB
    }
    return Value::integer(static_cast<std::int64_t>(raw), !type.isSigned);
}

// The case a switch picks; null when none fits and there is no default.
const TypeRef* chooseCase(const TypeRef& type, const EvalScope& scope)
{
    const Value on = evaluate(*type.switchOn, scope);
    const TypeRef* fallback = nullptr;
    for (const auto& c : type.cases) {
        if (c.first.text == "_") {
            fallback = &c.second;
            continue;
        }
        const Value key = evaluate(c.first, scope);
        bool same = false;
        try {
            same = valuesEqual(on, key);
        } catch (const EvalFailure&) {
            same = false; // a key of another kind simply does not match
        }
        if (same) {
            return &c.second;
        }
    }
    return fallback;
}

// Size, pad-right and terminator applied to bytes read by `size` or size-eos.
std::string trimmed(const Attribute& a, std::string raw)
{
    if (a.padRight) {
        std::size_t n = raw.size();
        while (n > 0 && static_cast<unsigned char>(raw[n - 1]) == *a.padRight) {
            --n;
        }
        raw.resize(n);
    }
    if (a.terminator) {
        const std::size_t at = raw.find(static_cast<char>(*a.terminator));
        if (at != std::string::npos) {
            raw.resize(a.include ? at + 1 : at);
        }
    }
    return raw;
}

std::shared_ptr<Stream> decodedStream(std::string bytes, const std::string& path)
{
    auto source = std::make_shared<MemoryByteSource>(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    auto origin = std::make_shared<StreamOrigin>(StreamOrigin{path});
    const ByteSource& ref = *source;
    return std::make_shared<Stream>(ref, source, 0, ref.size(), origin, 0);
}

void readUser(StructValue& owner, const TypeRef& type, const std::shared_ptr<Stream>& io,
              const std::shared_ptr<Stream>& sub, const EvalScope& scope, const std::string& path, Item& out)
{
    auto child = std::make_shared<StructValue>(owner.session(), *type.user, &owner, sub ? sub : io, path);
    child->repeatIndex = scope.index ? *scope.index : -1;
    for (const auto& arg : type.args) {
        child->params.push_back(evaluate(arg, scope));
    }
    if (child->params.size() != type.user->params.size()) {
        throw DataError("type '" + type.user->name + "' takes " + std::to_string(type.user->params.size()) +
                        " parameters, given " + std::to_string(child->params.size()));
    }
    out.value = Value::structure(child);
    child->start = child->io()->pos();
    parseObject(*child, owner.littleEndian);
}

} // namespace

std::string encodingFor(const StructValue& owner, const Attribute& a)
{
    if (!a.encoding.empty()) {
        return a.encoding;
    }
    for (const TypeDef* t = &owner.type(); t; t = t->parent) {
        if (!t->encoding.empty()) {
            return t->encoding;
        }
    }
    throw DataError("no encoding is given for the string");
}

void validate(StructValue& owner, const Attribute& a, const Value& value, std::optional<std::int64_t> index)
{
    const Validation& v = a.valid;
    if (!v.any()) {
        return;
    }
    EvalScope scope{&owner, &value, index};
    auto show = [](const Value& x) {
        if (x.kind == Value::Kind::Int) {
            return std::to_string(x.i);
        }
        if (x.kind == Value::Kind::Bytes) {
            return "[" + hexOf(x.s) + "]";
        }
        if (x.kind == Value::Kind::Str) {
            return "\"" + x.s + "\"";
        }
        return std::string(x.kindName());
    };
    if (v.eq) {
        const Value want = evaluate(*v.eq, scope);
        if (!valuesEqual(value, want)) {
            throw DataError("not valid: expected " + show(want) + ", got " + show(value));
        }
    }
    if (v.min) {
        const Value least = evaluate(*v.min, scope);
        if (compareValues(value, least) < 0) {
            throw DataError("not valid: " + show(value) + " is less than the minimum " + show(least));
        }
    }
    if (v.max) {
        const Value most = evaluate(*v.max, scope);
        if (compareValues(value, most) > 0) {
            throw DataError("not valid: " + show(value) + " is more than the maximum " + show(most));
        }
    }
    if (!v.anyOf.empty()) {
        bool found = false;
        for (const auto& e : v.anyOf) {
            found = found || valuesEqual(value, evaluate(e, scope));
        }
        if (!found) {
            throw DataError("not valid: " + show(value) + " is none of the allowed values");
        }
    }
    if (v.inEnum && (value.kind != Value::Kind::Int || !a.enumDef->labels.count(value.i))) {
        throw DataError("not valid: " + show(value) + " is not in enum '" + a.enumDef->name + "'");
    }
    if (v.expr && !evaluateBool(*v.expr, scope)) {
        throw DataError("not valid: " + show(value) + " fails '" + v.expr->text + "'");
    }
}

void readElement(StructValue& owner, const Attribute& a, const std::shared_ptr<Stream>& io,
                 std::optional<std::int64_t> index, const std::string& path, Item& out)
{
    const EvalScope scope{&owner, nullptr, index};
    const int startBits = io->bitsLeft();
    const std::uint64_t startByte = startBits > 0 ? io->pos() - 1 : io->pos();
    out.span.known = true;
    out.span.origin = io->origin();
    out.span.offset = io->absolute(startByte);
    out.span.bitOffset = startBits > 0 ? bitsPerByte - startBits : 0;
    try {
        const TypeRef* type = a.type.kind == TypeRef::Kind::Switch ? chooseCase(a.type, scope) : &a.type;
        out.type = type;
        if (a.contents) {
            const std::string want(a.contents->begin(), a.contents->end());
            out.value = Value::bytes(io->readBytes(want.size()));
            if (out.value.s != want) {
                throw DataError("contents differ: expected [" + hexOf(want) + "], got [" + hexOf(out.value.s) + "]");
            }
        } else if (type && (type->kind == TypeRef::Kind::Int || type->kind == TypeRef::Kind::Float ||
                            type->kind == TypeRef::Kind::Bits)) {
            out.value = readNumber(owner, a, *type, *io);
            if (type->kind == TypeRef::Kind::Bits) {
                out.span.bitSize = type->width;
            }
        } else {
            const bool isUser = type && type->kind == TypeRef::Kind::User;
            const bool plainWindow = isUser && a.process == ProcessKind::None && !a.terminator && !a.padRight;
            std::shared_ptr<Stream> sub;
            std::string raw;
            bool haveRaw = false;
            if (a.size || a.sizeEos) {
                std::int64_t n = a.sizeEos ? static_cast<std::int64_t>(io->left()) : evaluateInt(*a.size, scope);
                if (n < 0) {
                    throw DataError("size " + std::to_string(n) + " is negative");
                }
                const auto count = static_cast<std::uint64_t>(n);
                if (count > io->left()) {
                    throw dataEnded(count, io->left());
                }
                if (plainWindow) {
                    sub = io->window(count);
                } else {
                    raw = trimmed(a, io->readBytes(count)), haveRaw = true;
                }
            } else if (a.terminator) {
                const std::uint64_t begin = io->pos();
                raw = io->readBytesTerm(static_cast<std::uint8_t>(*a.terminator), a.include, a.consume, a.eosError);
                haveRaw = true;
                if (isUser && a.process == ProcessKind::None) {
                    sub = io->windowAt(begin, raw.size()), haveRaw = false;
                }
            } else if (!isUser) {
                if (type) {
                    throw DataError("nothing bounds the bytes to read");
                }
                out.value = Value(); // a switch that matched nothing reads nothing
            }
            if (haveRaw && a.process != ProcessKind::None) {
                std::vector<Value> args;
                for (const auto& e : a.processArgs) {
                    args.push_back(evaluate(e, scope));
                }
                raw = applyProcess(a.process, raw, args, owner.session().limits().maxDecodedBytes);
            }
            if (isUser) {
                if (haveRaw) {
                    sub = decodedStream(std::move(raw), path);
                }
                readUser(owner, *type, io, sub, scope, path, out);
            } else if (haveRaw && type && type->kind == TypeRef::Kind::Str) {
                out.value = Value::text(decodeText(encodingFor(owner, a), raw, owner.session().converter()));
            } else if (haveRaw) {
                out.value = Value::bytes(std::move(raw));
            }
        }
        if (a.enumDef && out.value.kind == Value::Kind::Int) {
            out.value.enumDef = a.enumDef;
        }
        validate(owner, a, out.value, index);
    } catch (DataError& e) {
        out.span.size = io->pos() - (startByte > io->pos() ? io->pos() : startByte);
        if (!e.path) {
            e.path = path;
            e.offset = out.span.offset;
        }
        throw;
    }
    out.span.size = io->pos() - startByte;
}

} // namespace structure
