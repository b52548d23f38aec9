#include "structure/TreeJson.h"

#include "structure/JsonText.h"
#include "structure/LazyReadFaults.h"
#include "structure/Stream.h"

#include <unordered_map>

namespace structure {

namespace {

const char* kindName(const Attribute& a)
{
    if (!a.isInstance) {
        return "seq";
    }
    return a.value ? "value" : "instance";
}

// One reused buffer, handed to the sink in large pieces after whole nodes;
// type names are made once per type and byte order, since a table repeats
// the same few types millions of times.
class TreeWriter {
public:
    TreeWriter(ParseSession& session, JsonSink& out) : session_(session), out_(out)
    {
        buffer_.reserve(flushAt + flushAt / 4);
    }

    void root()
    {
        StructValue& root = session_.root();
        buffer_ += "{\"name\": ";
        appendJsonString(buffer_, root.type().name);
        buffer_ += ", \"type\": ";
        appendJsonString(buffer_, root.type().name);
        buffer_ += ", \"offset\": 0, \"size\": ";
        appendJsonCount(buffer_, root.end - root.start);
        fields(root);
        buffer_ += '}';
        flush();
    }

private:
    static constexpr std::size_t flushAt = 1 << 16;

    void flush()
    {
        out_.write(buffer_);
        buffer_.clear();
    }

    void flushIfFull()
    {
        if (buffer_.size() >= flushAt) {
            flush();
        }
    }

    void fields(StructValue& object)
    {
        buffer_ += ", \"fields\": [";
        bool first = true;
        for (const Field& f : object.fields()) {
            if (!f.present || !f.attr) {
                continue;
            }
            if (!first) {
                buffer_ += ", ";
            }
            first = false;
            field(object, f);
        }
        for (std::size_t k = 0; k < object.type().instances.size(); ++k) {
            const Attribute& a = object.type().instances[k];
            const Field* f = nullptr;
            try {
                f = &object.instance(k);
            } catch (const DataError& e) {
                session_.noteError(e);
            }
            if (f && !f->present) {
                continue;
            }
            if (!first) {
                buffer_ += ", ";
            }
            first = false;
            if (f) {
                field(object, *f);
                continue;
            }
            nodeStart(a.id, kindName(a));
            buffer_ += ", \"type\": null, \"offset\": null, \"size\": null}";
        }
        buffer_ += ']';
    }

    void nodeStart(const std::string& name, const char* kind)
    {
        buffer_ += "{\"name\": ";
        appendJsonString(buffer_, name);
        buffer_ += ", \"kind\": \"";
        buffer_ += kind;
        buffer_ += '"';
    }

    void field(StructValue& owner, const Field& f)
    {
        const Attribute& a = *f.attr;
        const char* kind = kindName(a);
        if (a.repeat == RepeatKind::None || f.item.value.kind != Value::Kind::Array) {
            nodeStart(a.id, kind);
            item(owner, f.item);
            return;
        }
        const ArrayValue& array = *f.item.value.array;
        nodeStart(a.id, kind);
        buffer_ += ", \"type\": ";
        buffer_ += cachedTypeName(&a.type, owner, true);
        place(f.item.span);
        buffer_ += ", \"items\": [";
        for (std::size_t i = 0; i < array.size(); ++i) {
            Item element;
            try {
                element = array.item(i);
            } catch (const DataError& e) {
                session_.noteError(e);
                break;
            }
            if (i != 0) {
                buffer_ += ", ";
            }
            buffer_ += "{\"name\": \"[";
            appendJsonCount(buffer_, i);
            buffer_ += "]\", \"kind\": \"";
            buffer_ += kind;
            buffer_ += '"';
            item(owner, element);
        }
        buffer_ += "]}";
    }

    void place(const Span& span)
    {
        if (!span.known) {
            buffer_ += ", \"offset\": null, \"size\": null";
            return;
        }
        buffer_ += ", \"offset\": ";
        appendJsonCount(buffer_, span.offset);
        buffer_ += ", \"size\": ";
        appendJsonCount(buffer_, span.size);
        if (span.bitSize > 0) {
            buffer_ += ", \"bitOffset\": ";
            appendJsonCount(buffer_, static_cast<std::uint64_t>(span.bitOffset));
            buffer_ += ", \"bitSize\": ";
            appendJsonCount(buffer_, static_cast<std::uint64_t>(span.bitSize));
        }
        if (span.origin && !span.origin->path.empty()) {
            buffer_ += ", \"stream\": ";
            appendJsonString(buffer_, span.origin->path);
        }
    }

    // The rest of a node whose name and kind are written.
    void item(StructValue& owner, const Item& it)
    {
        const Value& v = it.value;
        buffer_ += ", \"type\": ";
        if (v.kind == Value::Kind::Struct) {
            appendJsonString(buffer_, v.object->type().name);
        } else if (!it.type || (it.type->kind == TypeRef::Kind::Bytes && v.kind != Value::Kind::Bytes &&
                                v.kind != Value::Kind::None)) {
            appendJsonString(buffer_, typeName(it.type, v, owner));
        } else {
            buffer_ += cachedTypeName(it.type, owner, false);
        }
        place(it.span);
        if (v.kind == Value::Kind::Struct && it.span.known) {
            fields(*v.object);
        } else if (v.kind != Value::Kind::Struct) {
            leaf(v);
        }
        buffer_ += '}';
        flushIfFull();
    }

    void leaf(const Value& v)
    {
        if (v.kind == Value::Kind::None || v.kind == Value::Kind::Stream) {
            return;
        }
        buffer_ += ", \"value\": ";
        leafText(v);
        if (v.enumDef) {
            auto label = v.enumDef->labels.find(v.i);
            if (label == v.enumDef->labels.end()) {
                return;
            }
            buffer_ += ", \"enum\": ";
            appendJsonString(buffer_, label->second);
        }
    }

    void leafText(const Value& v)
    {
        switch (v.kind) {
        case Value::Kind::Int:
            return appendJsonInteger(buffer_, v.i, v.isUnsigned);
        case Value::Kind::Float:
            buffer_ += jsonNumber(v.f);
            return;
        case Value::Kind::Bool:
            buffer_ += v.i ? "true" : "false";
            return;
        case Value::Kind::Str:
            return appendJsonString(buffer_, v.s);
        case Value::Kind::Bytes:
            return appendJsonString(buffer_, hexOf(v.s));
        case Value::Kind::Array:
            buffer_ += '[';
            for (std::size_t k = 0; k < v.array->size(); ++k) {
                const Value element = v.array->item(k).value;
                if (k) {
                    buffer_ += ", ";
                }
                if (element.kind == Value::Kind::Struct) {
                    buffer_ += "null";
                } else {
                    leafText(element);
                }
            }
            buffer_ += ']';
            return;
        default:
            buffer_ += "null";
        }
    }

    // The quoted name of a declared type (`[]` after it for a repeat).
    const std::string& cachedTypeName(const TypeRef* type, const StructValue& owner, bool repeated)
    {
        const int order = owner.littleEndian ? (*owner.littleEndian ? 1 : 2) : 0;
        const TypeNameKey key{type, order * 2 + (repeated ? 1 : 0)};
        auto found = typeNames_.find(key);
        if (found != typeNames_.end()) {
            return found->second;
        }
        return typeNames_[key] = jsonString(typeName(type, Value(), owner) + (repeated ? "[]" : ""));
    }

    using TypeNameKey = std::pair<const TypeRef*, int>;
    struct TypeNameHash {
        std::size_t operator()(const TypeNameKey& key) const
        {
            return std::hash<const TypeRef*>()(key.first) ^ static_cast<std::size_t>(key.second);
        }
    };

    ParseSession& session_;
    JsonSink& out_;
    std::string buffer_;
    std::unordered_map<TypeNameKey, std::string, TypeNameHash> typeNames_;
};

void visitObject(ParseSession& session, StructValue& object);

void visitItem(ParseSession& session, const Item& it)
{
    if (it.value.kind == Value::Kind::Struct && it.span.known) {
        visitObject(session, *it.value.object);
    }
}

void visitField(ParseSession& session, const Field& f)
{
    if (!f.present) {
        return;
    }
    if (f.attr->repeat == RepeatKind::None || f.item.value.kind != Value::Kind::Array) {
        visitItem(session, f.item);
        return;
    }
    const ArrayValue& array = *f.item.value.array;
    for (std::size_t i = 0; i < array.size(); ++i) {
        try {
            visitItem(session, array.item(i));
        } catch (const DataError& e) {
            session.noteError(e);
            return;
        }
    }
}

void visitObject(ParseSession& session, StructValue& object)
{
    for (const Field& f : object.fields()) {
        visitField(session, f);
    }
    for (std::size_t k = 0; k < object.type().instances.size(); ++k) {
        try {
            visitField(session, object.instance(k));
        } catch (const DataError& e) {
            session.noteError(e);
        }
    }
}

} // namespace

void visitTree(ParseSession& session)
{
    visitObject(session, session.root());
}

std::string typeName(const TypeRef* type, const Value& value, const StructValue& owner)
{
    if (value.kind == Value::Kind::Struct) {
        return value.object->type().name;
    }
    if (!type ||
        (type->kind == TypeRef::Kind::Bytes && value.kind != Value::Kind::Bytes && value.kind != Value::Kind::None)) {
        switch (value.kind) {
        case Value::Kind::Int:
            return "int";
        case Value::Kind::Float:
            return "float";
        case Value::Kind::Bool:
            return "bool";
        case Value::Kind::Str:
            return "str";
        case Value::Kind::Array:
            return "array";
        case Value::Kind::Stream:
            return "io";
        default:
            return "bytes";
        }
    }
    switch (type->kind) {
    case TypeRef::Kind::Bytes:
        return "bytes";
    case TypeRef::Kind::Str:
        return "str";
    case TypeRef::Kind::Bits:
        return "b" + std::to_string(type->width);
    case TypeRef::Kind::User:
        return type->user ? type->user->name : "struct";
    case TypeRef::Kind::Switch:
        return "switch";
    case TypeRef::Kind::Int:
    case TypeRef::Kind::Float: {
        std::string name = (type->kind == TypeRef::Kind::Float ? "f"
                            : type->isSigned                   ? "s"
                                                               : "u") +
                           std::to_string(type->width);
        if (type->width == 1) {
            return name;
        }
        const bool little =
            type->endian == Endian::Little || (type->endian == Endian::Inherit && owner.littleEndian.value_or(false));
        const bool known = type->endian != Endian::Inherit || owner.littleEndian.has_value();
        return known ? name + (little ? "le" : "be") : name;
    }
    }
    return "bytes";
}

void writeRootJson(ParseSession& session, JsonSink& out)
{
    TreeWriter(session, out).root();
}

void writeDocumentJson(ParseSession& session, JsonSink& out)
{
    if (lazyReadsMayFail(session.definition())) {
        visitTree(session);
    }
    writeDocumentHead(session, out);
    writeRootJson(session, out);
    out.write("}\n");
}

void writeDocumentHead(const ParseSession& session, JsonSink& out)
{
    const auto& error = session.error();
    std::string text = "{\"definition\": " + jsonString(session.definition().main().id) +
                       ", \"size\": " + std::to_string(session.document().size()) + ", \"error\": ";
    if (error) {
        text += "{\"message\": " + jsonString(error->message) + ", \"path\": " + jsonString(error->path) +
                ", \"offset\": " + std::to_string(error->offset) + "}";
    } else {
        text += "null";
    }
    out.write(text + ", \"root\": ");
}

} // namespace structure
