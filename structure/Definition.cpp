#include "structure/Definition.h"

namespace structure {

std::optional<TypeRef> TypeRef::defaultCase() const
{
    for (const auto& c : cases) {
        if (c.first.text == "_") {
            return c.second;
        }
    }
    return std::nullopt;
}

const EndianSpec* TypeDef::effectiveEndian() const
{
    for (const TypeDef* t = this; t; t = t->parent) {
        if (t->endian.kind != Endian::Inherit) {
            return &t->endian;
        }
    }
    return nullptr;
}

bool TypeDef::bitsLittleEndian() const
{
    for (const TypeDef* t = this; t; t = t->parent) {
        if (t->bitEndian != BitEndian::Inherit) {
            return t->bitEndian == BitEndian::Little;
        }
    }
    return false;
}

const Attribute* TypeDef::findMember(const std::string& id) const
{
    for (const auto& a : seq) {
        if (a.id == id) {
            return &a;
        }
    }
    for (const auto& a : instances) {
        if (a.id == id) {
            return &a;
        }
    }
    return nullptr;
}

int TypeDef::seqIndex(const std::string& id) const
{
    for (std::size_t i = 0; i < seq.size(); ++i) {
        if (seq[i].id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int TypeDef::instanceIndex(const std::string& id) const
{
    for (std::size_t i = 0; i < instances.size(); ++i) {
        if (instances[i].id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string TypeDef::qualifiedName() const
{
    return parent ? parent->qualifiedName() + "::" + name : name;
}

Module& Definition::add(std::unique_ptr<Module> module)
{
    modules_.push_back(std::move(module));
    return *modules_.back();
}

const Module* Definition::findByPath(const std::string& path) const
{
    for (const auto& m : modules_) {
        if (m->path == path) {
            return m.get();
        }
    }
    return nullptr;
}

} // namespace structure
