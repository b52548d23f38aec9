#include "structure/NameResolver.h"

#include "structure/AttributeLoader.h"

#include <set>

namespace structure {

namespace {

std::string joinPath(const std::vector<std::string>& path)
{
    std::string out;
    for (const auto& part : path) {
        out += (out.empty() ? "" : "::") + part;
    }
    return out;
}

// The module's own imports first, then theirs: the library leans on reaching
// a file that an import imports.
const TypeDef* findModuleRoot(const Module& module, const std::string& id)
{
    std::vector<const Module*> queue{&module};
    std::set<const Module*> seen{&module};
    for (std::size_t i = 0; i < queue.size(); ++i) {
        for (const Module* m : queue[i]->imports) {
            if (m->id == id) {
                return &m->root;
            }
            if (seen.insert(m).second) {
                queue.push_back(m);
            }
        }
    }
    return nullptr;
}

const TypeDef* findFirst(const TypeDef& scope, const std::string& name)
{
    for (const TypeDef* t = &scope; t; t = t->parent) {
        auto it = t->types.find(name);
        if (it != t->types.end()) {
            return it->second.get();
        }
        if (!t->parent && t->name == name) {
            return t;
        }
    }
    return findModuleRoot(*scope.module, name);
}

class Resolver {
public:
    void type(TypeDef& t)
    {
        for (auto& a : t.seq) {
            attribute(t, a);
        }
        for (auto& a : t.instances) {
            attribute(t, a);
        }
        for (auto& p : t.params) {
            if (!p.enumPath.empty()) {
                p.enumDef = enumAt(t, p.enumPath, p.pos);
            }
        }
        if (t.endian.switchOn) {
            expression(t, *t.endian.switchOn);
        }
        for (auto& c : t.endian.cases) {
            expression(t, c.first);
        }
        for (auto& child : t.types) {
            type(*child.second);
        }
    }

private:
    const EnumDef* enumAt(const TypeDef& scope, const std::vector<std::string>& path, const SourcePos& pos)
    {
        const EnumDef* e = findEnum(scope, path);
        if (!e) {
            throw DefinitionError(pos, "unknown enum '" + joinPath(path) + "'");
        }
        return e;
    }

    void typeRef(const TypeDef& scope, TypeRef& ref)
    {
        if (ref.kind == TypeRef::Kind::User) {
            ref.user = findType(scope, ref.userPath);
            if (!ref.user) {
                throw DefinitionError(ref.pos, "unknown type '" + joinPath(ref.userPath) + "'");
            }
            for (auto& arg : ref.args) {
                expression(scope, arg);
            }
        }
        if (ref.kind == TypeRef::Kind::Switch) {
            expression(scope, *ref.switchOn);
            for (auto& c : ref.cases) {
                if (c.first.text != "_") {
                    expression(scope, c.first);
                }
                typeRef(scope, c.second);
            }
        }
    }

    void attribute(const TypeDef& scope, Attribute& a)
    {
        typeRef(scope, a.type);
        if (!a.enumPath.empty()) {
            a.enumDef = enumAt(scope, a.enumPath, a.pos);
        }
        for (auto* e : {&a.size, &a.condition, &a.repeatExpr, &a.repeatUntil, &a.position, &a.io, &a.value, &a.valid.eq,
                        &a.valid.min, &a.valid.max, &a.valid.expr}) {
            if (*e) {
                expression(scope, **e);
            }
        }
        for (auto& e : a.valid.anyOf) {
            expression(scope, e);
        }
        for (auto& e : a.processArgs) {
            expression(scope, e);
        }
        if (a.valid.inEnum && !a.enumDef) {
            throw DefinitionError(a.valid.pos, "in-enum needs the field to have an enum");
        }
    }

    void expression(const TypeDef& scope, Expression& e) { node(scope, e, *e.root); }

    void node(const TypeDef& scope, const Expression& e, ExprNode& n)
    {
        if (n.kind == ExprKind::EnumRef) {
            n.enumDef = findEnum(scope, n.path);
            if (!n.enumDef) {
                throw DefinitionError(e.pos.shifted(n.column), "unknown enum '" + joinPath(n.path) + "'");
            }
            if (!n.enumDef->values.count(n.text)) {
                throw DefinitionError(e.pos.shifted(n.column),
                                      "enum '" + joinPath(n.path) + "' has no label '" + n.text + "'");
            }
        }
        if (n.kind == ExprKind::Cast || n.kind == ExprKind::SizeOf) {
            const bool primitive = n.path.size() == 1 && isPrimitiveTypeName(n.path[0]);
            if (!primitive) {
                std::vector<std::string> path = n.path;
                if (path.back().size() > 2 && path.back().compare(path.back().size() - 2, 2, "[]") == 0) {
                    path.back().resize(path.back().size() - 2);
                }
                n.typeDef = findType(scope, path);
                if (!n.typeDef) {
                    throw DefinitionError(e.pos.shifted(n.column), "unknown type '" + joinPath(n.path) + "'");
                }
            }
        }
        for (auto& child : n.children) {
            node(scope, e, *child);
        }
    }
};

} // namespace

bool isPrimitiveTypeName(const std::string& name)
{
    static const char* const builtinTypeNames[] = {"bytes", "str", "strz", "bool", "struct", "io", "any"};
    for (const char* k : builtinTypeNames) {
        if (name == k) {
            return true;
        }
    }
    std::string base = name;
    if (base.size() > 2 && base.compare(base.size() - 2, 2, "[]") == 0) {
        base.resize(base.size() - 2);
    }
    if (base != name) {
        return isPrimitiveTypeName(base);
    }
    const TypeRef ref = parseTypeName(base, {});
    return ref.kind != TypeRef::Kind::User;
}

const TypeDef* findType(const TypeDef& scope, const std::vector<std::string>& path)
{
    if (path.empty()) {
        return nullptr;
    }
    const TypeDef* t = findFirst(scope, path[0]);
    for (std::size_t i = 1; t && i < path.size(); ++i) {
        auto it = t->types.find(path[i]);
        t = it == t->types.end() ? nullptr : it->second.get();
    }
    return t;
}

const EnumDef* findEnum(const TypeDef& scope, const std::vector<std::string>& path)
{
    if (path.empty()) {
        return nullptr;
    }
    const std::string& name = path.back();
    if (path.size() == 1) {
        for (const TypeDef* t = &scope; t; t = t->parent) {
            auto it = t->enums.find(name);
            if (it != t->enums.end()) {
                return it->second.get();
            }
        }
        return nullptr;
    }
    const TypeDef* owner = findType(scope, std::vector<std::string>(path.begin(), path.end() - 1));
    if (!owner) {
        return nullptr;
    }
    auto it = owner->enums.find(name);
    return it == owner->enums.end() ? nullptr : it->second.get();
}

void resolveNames(Definition& definition)
{
    Resolver resolver;
    for (const auto& m : definition.modules()) {
        resolver.type(m->root);
    }
}

} // namespace structure
