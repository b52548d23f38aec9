#include "structure/FieldReader.h"

#include "structure/DataError.h"
#include "structure/FixedSize.h"
#include "structure/LazyArray.h"
#include "structure/ParseSession.h"
#include "structure/ValueOps.h"

namespace structure {

namespace {

std::string elementPath(const std::string& path, std::int64_t index)
{
    return path + "[" + std::to_string(index) + "]";
}

void chooseByteOrder(StructValue& object, const std::optional<bool>& inherited)
{
    const EndianSpec* spec = object.type().effectiveEndian();
    if (!spec || (spec->kind == Endian::Switch && spec != &object.type().endian)) {
        object.littleEndian = inherited;
        return;
    }
    if (spec->kind != Endian::Switch) {
        object.littleEndian = spec->kind == Endian::Little;
        return;
    }
    const EvalScope scope{&object, nullptr, std::nullopt};
    const Value on = evaluate(*spec->switchOn, scope);
    for (const auto& c : spec->cases) {
        if (c.first.text == "_" || valuesEqual(on, evaluate(c.first, scope))) {
            object.littleEndian = c.second;
            return;
        }
    }
    throw DataError("no byte order case matches");
}

// A negative count reads no elements, as in the reference implementation.
std::uint64_t repeatCount(StructValue& owner, const Attribute& a)
{
    const std::int64_t wanted = evaluateInt(*a.repeatExpr, EvalScope{&owner, nullptr, std::nullopt});
    return wanted < 0 ? 0 : static_cast<std::uint64_t>(wanted);
}

// A fixed-size repeat: counted now, read when asked.
bool readLazily(StructValue& owner, const Attribute& a, const std::shared_ptr<Stream>& io, const std::string& path,
                Field& out)
{
    const auto size = lazyElementSize(a);
    if (!size || io->bitsLeft() != 0) {
        return false;
    }
    const std::uint64_t start = io->pos();
    const std::uint64_t fits = io->left() / *size;
    std::uint64_t count = fits;
    if (a.repeat == RepeatKind::Expr) {
        count = repeatCount(owner, a);
    }
    const std::uint64_t kept = std::min(count, fits);
    out.item.value =
        Value::list(std::make_shared<LazyArray>(owner, a, io, start, *size, static_cast<std::size_t>(kept), path));
    io->seek(start + kept * *size);
    out.item.span.size = kept * *size;
    const bool shortByCount = count > fits;
    const bool partialTail = a.repeat == RepeatKind::Eos && io->left() > 0;
    if (shortByCount || partialTail) {
        DataError error("data ended: element " + std::to_string(kept) + " needs " + byteCount(*size) + ", " +
                        std::to_string(io->left()) + " left");
        error.path = elementPath(path, static_cast<std::int64_t>(kept));
        error.offset = io->absolute(io->pos());
        throw error;
    }
    return true;
}

void readRepeated(StructValue& owner, const Attribute& a, const std::shared_ptr<Stream>& io, const std::string& path,
                  Field& out)
{
    if (readLazily(owner, a, io, path, out)) {
        return;
    }
    const ParseLimits& limits = owner.session().limits();
    const std::uint64_t count = a.repeat == RepeatKind::Expr ? repeatCount(owner, a) : 0;
    auto list = std::make_shared<ListArray>();
    out.item.value = Value::list(list);
    std::uint64_t stalled = 0;
    for (std::int64_t i = 0;; ++i) {
        if (a.repeat == RepeatKind::Eos && io->eof()) {
            break;
        }
        if (a.repeat == RepeatKind::Expr && static_cast<std::uint64_t>(i) >= count) {
            break;
        }
        const Stream::State before = io->state();
        list->items.emplace_back();
        readElement(owner, a, io, i, elementPath(path, i), list->items.back());
        const Stream::State after = io->state();
        const bool moved = after.pos != before.pos || after.bitsLeft != before.bitsLeft;
        stalled = moved ? 0 : stalled + 1;
        if (a.repeat == RepeatKind::Eos && !moved) {
            throw DataError("repeat makes no progress: an element reads nothing before the end");
        }
        if (stalled > limits.maxStalledItems) {
            throw DataError("repeat makes no progress: " + std::to_string(stalled) + " elements in a row read nothing");
        }
        if (a.repeat == RepeatKind::Until) {
            const Value last = list->items.back().value;
            if (evaluateBool(*a.repeatUntil, EvalScope{&owner, &last, i})) {
                break;
            }
        }
    }
}

// A present field: one element or a repeat. Fills `out` as it goes.
void readPresent(StructValue& owner, const Attribute& a, const std::shared_ptr<Stream>& io, Field& out)
{
    const std::string path = owner.memberPath(a.id);
    out.present = true;
    const std::uint64_t start = io->pos();
    try {
        if (a.repeat == RepeatKind::None) {
            readElement(owner, a, io, std::nullopt, path, out.item);
        } else {
            out.item.type = &a.type;
            out.item.span.known = true;
            out.item.span.origin = io->origin();
            out.item.span.offset = io->absolute(start);
            readRepeated(owner, a, io, path, out);
            out.item.span.size = io->pos() - start;
        }
    } catch (DataError& e) {
        if (a.repeat != RepeatKind::None) {
            out.item.span.size = io->pos() >= start ? io->pos() - start : 0;
        }
        if (!e.path) {
            e.path = path;
            e.offset = io->absolute(start);
        }
        throw;
    }
    out.complete = true;
}

class StreamRestore {
public:
    explicit StreamRestore(Stream& stream) : stream_(stream), state_(stream.state()) {}
    ~StreamRestore() { stream_.restore(state_); }
    StreamRestore(const StreamRestore&) = delete;
    StreamRestore& operator=(const StreamRestore&) = delete;

private:
    Stream& stream_;
    Stream::State state_;
};

} // namespace

void parseObject(StructValue& object, const std::optional<bool>& inheritedLittleEndian)
{
    ParseSession::DepthGuard guard(object.session());
    chooseByteOrder(object, inheritedLittleEndian);
    object.start = object.io()->pos();
    object.end = object.start;
    // Filled in place: a field's own expressions may read what it holds so far
    // (`groups[_index - 1]`); nothing else adds to this object's fields meanwhile.
    object.fields().reserve(object.type().seq.size());
    for (const auto& a : object.type().seq) {
        object.fields().emplace_back();
        try {
            readField(object, a, object.io(), object.fields().back());
        } catch (DataError&) {
            object.end = object.io()->pos();
            throw;
        }
        object.end = object.io()->pos();
    }
}

void readField(StructValue& owner, const Attribute& a, const std::shared_ptr<Stream>& io, Field& out)
{
    out.attr = &a;
    if (a.condition) {
        bool wanted = false;
        try {
            wanted = evaluateBool(*a.condition, EvalScope{&owner, nullptr, std::nullopt});
        } catch (DataError& e) {
            if (!e.path) {
                e.path = owner.memberPath(a.id);
                e.offset = io->absolute(io->pos());
            }
            throw;
        }
        if (!wanted) {
            out.complete = true;
            return;
        }
    }
    readPresent(owner, a, io, out);
}

Field evaluateInstance(StructValue& owner, const Attribute& a)
{
    ParseSession::DepthGuard guard(owner.session());
    Field out;
    out.attr = &a;
    const EvalScope scope{&owner, nullptr, std::nullopt};
    try {
        if (a.condition && !evaluateBool(*a.condition, scope)) {
            out.complete = true;
            return out;
        }
        if (a.value) {
            out.item.value = evaluate(*a.value, scope);
            if (a.enumDef && out.item.value.kind == Value::Kind::Int) {
                out.item.value.enumDef = a.enumDef;
            }
            out.item.type = &a.type;
            out.present = out.complete = true;
            return out;
        }
        std::shared_ptr<Stream> io = owner.io();
        if (a.io) {
            const Value v = evaluate(*a.io, scope);
            if (v.kind != Value::Kind::Stream) {
                throw DataError(std::string("io must be a stream, not ") + v.kindName());
            }
            io = v.stream;
        }
        StreamRestore restore(*io);
        if (a.position) {
            const std::int64_t pos = evaluateInt(*a.position, scope);
            if (pos < 0) {
                throw DataError("position " + std::to_string(pos) + " is negative");
            }
            io->seek(static_cast<std::uint64_t>(pos));
        }
        readPresent(owner, a, io, out);
    } catch (DataError& e) {
        if (!e.path) {
            e.path = owner.memberPath(a.id);
            e.offset = owner.io()->absolute(owner.io()->pos());
        }
        throw;
    }
    return out;
}

} // namespace structure
