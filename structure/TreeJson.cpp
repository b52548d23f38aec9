#include "structure/TreeJson.h"

#include "structure/JsonText.h"
#include "structure/Stream.h"

namespace structure {

namespace {

const char* kindName(const Attribute& a) {
    if (!a.isInstance) return "seq";
    return a.value ? "value" : "instance";
}

class TreeWriter {
public:
    TreeWriter(ParseSession& session, JsonSink& out) : session_(session), out_(out) {}

    void root() {
        StructValue& root = session_.root();
        out_.write("{\"name\": " + jsonString(root.type().name) + ", \"type\": " + jsonString(root.type().name) +
                   ", \"offset\": 0, \"size\": " + std::to_string(root.end - root.start));
        fields(root);
        out_.write("}");
    }

private:
    void fields(StructValue& object) {
        out_.write(", \"fields\": [");
        bool first = true;
        for (const Field& f : object.fields()) {
            if (!f.present || !f.attr) continue;
            out_.write(first ? "" : ", ");
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
            if (f && !f->present) continue;
            out_.write(first ? "" : ", ");
            first = false;
            if (f) field(object, *f);
            else out_.write("{\"name\": " + jsonString(a.id) + ", \"kind\": \"" + kindName(a) + "\", \"type\": null, \"offset\": null, \"size\": null}");
        }
        out_.write("]");
    }

    void field(StructValue& owner, const Field& f) {
        const Attribute& a = *f.attr;
        if (a.repeat == RepeatKind::None || f.item.value.kind != Value::Kind::Array) {
            item(owner, f.item, a.id, kindName(a));
            return;
        }
        const ArrayValue& array = *f.item.value.array;
        const std::string kind = kindName(a);
        out_.write("{\"name\": " + jsonString(a.id) + ", \"kind\": \"" + kind + "\", \"type\": " +
                   jsonString(typeName(&a.type, Value(), owner) + "[]"));
        place(f.item.span);
        out_.write(", \"items\": [");
        for (std::size_t i = 0; i < array.size(); ++i) {
            Item element;
            try {
                element = array.item(i);
            } catch (const DataError& e) {
                session_.noteError(e);
                break;
            }
            out_.write(i == 0 ? "" : ", ");
            item(owner, element, "[" + std::to_string(i) + "]", kind);
        }
        out_.write("]}");
    }

    void place(const Span& span) {
        if (!span.known) {
            out_.write(", \"offset\": null, \"size\": null");
            return;
        }
        out_.write(", \"offset\": " + std::to_string(span.offset) + ", \"size\": " + std::to_string(span.size));
        if (span.bitSize > 0)
            out_.write(", \"bitOffset\": " + std::to_string(span.bitOffset) + ", \"bitSize\": " + std::to_string(span.bitSize));
        if (span.origin && !span.origin->path.empty()) out_.write(", \"stream\": " + jsonString(span.origin->path));
    }

    void item(StructValue& owner, const Item& it, const std::string& name, const std::string& kind) {
        out_.write("{\"name\": " + jsonString(name) + ", \"kind\": \"" + kind + "\", \"type\": " +
                   jsonString(typeName(it.type, it.value, owner)));
        place(it.span);
        const Value& v = it.value;
        if (v.kind == Value::Kind::Struct && it.span.known) fields(*v.object);
        else if (v.kind != Value::Kind::Struct) leaf(v);
        out_.write("}");
    }

    void leaf(const Value& v) {
        if (v.kind == Value::Kind::None || v.kind == Value::Kind::Stream) return;
        out_.write(", \"value\": " + leafText(v));
        if (v.enumDef) {
            auto label = v.enumDef->labels.find(v.i);
            if (label != v.enumDef->labels.end()) out_.write(", \"enum\": " + jsonString(label->second));
        }
    }

    std::string leafText(const Value& v) {
        switch (v.kind) {
        case Value::Kind::Int: return jsonInteger(v.i, v.isUnsigned);
        case Value::Kind::Float: return jsonNumber(v.f);
        case Value::Kind::Bool: return v.i ? "true" : "false";
        case Value::Kind::Str: return jsonString(v.s);
        case Value::Kind::Bytes: return jsonString(hexOf(v.s));
        case Value::Kind::Array: {
            std::string text = "[";
            for (std::size_t k = 0; k < v.array->size(); ++k) {
                const Value element = v.array->item(k).value;
                text += (k ? ", " : "") + (element.kind == Value::Kind::Struct ? std::string("null") : leafText(element));
            }
            return text + "]";
        }
        default: return "null";
        }
    }

    ParseSession& session_;
    JsonSink& out_;
};

void visitObject(ParseSession& session, StructValue& object);

void visitItem(ParseSession& session, const Item& it) {
    if (it.value.kind == Value::Kind::Struct && it.span.known) visitObject(session, *it.value.object);
}

void visitField(ParseSession& session, const Field& f) {
    if (!f.present) return;
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

void visitObject(ParseSession& session, StructValue& object) {
    for (const Field& f : object.fields()) visitField(session, f);
    for (std::size_t k = 0; k < object.type().instances.size(); ++k) {
        try {
            visitField(session, object.instance(k));
        } catch (const DataError& e) {
            session.noteError(e);
        }
    }
}

}  // namespace

void visitTree(ParseSession& session) { visitObject(session, session.root()); }

std::string typeName(const TypeRef* type, const Value& value, const StructValue& owner) {
    if (value.kind == Value::Kind::Struct) return value.object->type().name;
    if (!type || (type->kind == TypeRef::Kind::Bytes && value.kind != Value::Kind::Bytes && value.kind != Value::Kind::None)) {
        switch (value.kind) {
        case Value::Kind::Int: return "int";
        case Value::Kind::Float: return "float";
        case Value::Kind::Bool: return "bool";
        case Value::Kind::Str: return "str";
        case Value::Kind::Array: return "array";
        case Value::Kind::Stream: return "io";
        default: return "bytes";
        }
    }
    switch (type->kind) {
    case TypeRef::Kind::Bytes: return "bytes";
    case TypeRef::Kind::Str: return "str";
    case TypeRef::Kind::Bits: return "b" + std::to_string(type->width);
    case TypeRef::Kind::User: return type->user ? type->user->name : "struct";
    case TypeRef::Kind::Switch: return "switch";
    case TypeRef::Kind::Int:
    case TypeRef::Kind::Float: {
        std::string name = (type->kind == TypeRef::Kind::Float ? "f" : type->isSigned ? "s" : "u") + std::to_string(type->width);
        if (type->width == 1) return name;
        const bool little = type->endian == Endian::Little || (type->endian == Endian::Inherit && owner.littleEndian.value_or(false));
        const bool known = type->endian != Endian::Inherit || owner.littleEndian.has_value();
        return known ? name + (little ? "le" : "be") : name;
    }
    }
    return "bytes";
}

void writeRootJson(ParseSession& session, JsonSink& out) { TreeWriter(session, out).root(); }

void writeDocumentHead(const ParseSession& session, JsonSink& out) {
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

}  // namespace structure
