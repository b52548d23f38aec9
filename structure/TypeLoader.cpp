#include "structure/TypeLoader.h"

#include "structure/AttributeLoader.h"
#include "structure/YamlForms.h"

namespace structure {

namespace {

bool parseEndianWord(const YamlNode& node)
{
    const std::string& word = requireScalar(node, "endian");
    if (word == "le") {
        return true;
    }
    if (word == "be") {
        return false;
    }
    throw DefinitionError(node.pos, "endian must be le or be, not '" + word + "'");
}

void loadEndian(const YamlNode& node, EndianSpec& spec)
{
    if (node.isScalar()) {
        spec.kind = parseEndianWord(node) ? Endian::Little : Endian::Big;
        return;
    }
    checkKeys(requireMapping(node, "endian"), {"switch-on", "cases"}, "an endian switch");
    const YamlNode* on = node.find("switch-on");
    const YamlNode* cases = node.find("cases");
    if (!on || !cases) {
        throw DefinitionError(node.pos, "an endian switch needs 'switch-on' and 'cases'");
    }
    spec.kind = Endian::Switch;
    spec.switchOn = makeExpression(*on, "switch-on");
    for (const auto& entry : requireMapping(*cases, "cases").entries) {
        spec.cases.emplace_back(makeExpression(entry.first, "a case"), parseEndianWord(entry.second));
    }
}

void loadTypeMeta(const YamlNode& meta, TypeDef& type)
{
    checkKeys(requireMapping(meta, "meta"),
              {"id", "title", "application", "file-extension", "xref", "license", "ks-version", "ks-debug",
               "ks-opaque-types", "imports", "encoding", "endian", "bit-endian", "tags"},
              "meta");
    if (const YamlNode* n = meta.find("endian")) {
        loadEndian(*n, type.endian);
    }
    if (const YamlNode* n = meta.find("bit-endian")) {
        const std::string& word = requireScalar(*n, "bit-endian");
        if (word != "le" && word != "be") {
            throw DefinitionError(n->pos, "bit-endian must be le or be, not '" + word + "'");
        }
        type.bitEndian = word == "le" ? BitEndian::Little : BitEndian::Big;
    }
    if (const YamlNode* n = meta.find("encoding")) {
        type.encoding = requireScalar(*n, "encoding");
    }
    if (const YamlNode* n = meta.find("ks-opaque-types")) {
        if (requireBool(*n, "ks-opaque-types")) {
            throw DefinitionError(n->pos, "opaque types are not supported");
        }
    }
}

void loadEnum(const std::string& name, const YamlNode& node, EnumDef& e)
{
    e.name = name;
    e.pos = node.pos;
    for (const auto& entry : requireMapping(node, "an enum").entries) {
        std::int64_t value = 0;
        if (!parseIntegerText(entry.first.text, value)) {
            throw DefinitionError(entry.first.pos, "an enum key must be an integer, not '" + entry.first.text + "'");
        }
        const YamlNode* labelNode = &entry.second;
        if (entry.second.isMapping()) {
            checkKeys(entry.second, {"id", "doc", "doc-ref", "-orig-id"}, "an enum value");
            labelNode = entry.second.find("id");
            if (!labelNode) {
                throw DefinitionError(entry.second.pos, "an enum value needs an 'id'");
            }
        }
        const std::string label = requireIdentifier(*labelNode, "an enum label");
        if (!e.values.emplace(label, value).second) {
            throw DefinitionError(labelNode->pos, "duplicate enum label '" + label + "'");
        }
        e.labels.emplace(value, label);
    }
}

void loadParams(const YamlNode& node, TypeDef& type)
{
    for (const auto& item : requireSequence(node, "params").items) {
        checkKeys(requireMapping(item, "a parameter"), {"id", "type", "enum", "doc", "doc-ref"}, "a parameter");
        Param p;
        p.pos = item.pos;
        const YamlNode* id = item.find("id");
        if (!id) {
            throw DefinitionError(item.pos, "a parameter needs an 'id'");
        }
        p.id = requireIdentifier(*id, "a parameter id");
        if (const YamlNode* n = item.find("type")) {
            p.typeName = requireScalar(*n, "a parameter type");
        }
        if (const YamlNode* n = item.find("enum")) {
            std::string text = requireScalar(*n, "enum");
            std::size_t start = 0;
            while (true) {
                const std::size_t sep = text.find("::", start);
                p.enumPath.push_back(text.substr(start, sep - start));
                if (sep == std::string::npos) {
                    break;
                }
                start = sep + 2;
            }
        }
        type.params.push_back(std::move(p));
    }
}

void checkUnique(const TypeDef& type, const std::string& id, const SourcePos& pos)
{
    int count = 0;
    for (const auto& a : type.seq) {
        count += a.id == id;
    }
    for (const auto& a : type.instances) {
        count += a.id == id;
    }
    for (const auto& p : type.params) {
        count += p.id == id;
    }
    if (count > 1) {
        throw DefinitionError(pos, "'" + id + "' is defined twice in type '" + type.name + "'");
    }
}

} // namespace

void loadType(const YamlNode& node, TypeDef& type)
{
    requireMapping(node, "a type");
    type.pos = node.pos;
    checkKeys(node, {"meta", "doc", "doc-ref", "seq", "types", "instances", "enums", "params", "to-string"}, "a type");
    if (const YamlNode* n = node.find("meta")) {
        loadTypeMeta(*n, type);
    }
    if (const YamlNode* n = node.find("params")) {
        loadParams(*n, type);
    }
    if (const YamlNode* n = node.find("seq")) {
        const auto& items = requireSequence(*n, "seq").items;
        for (std::size_t i = 0; i < items.size(); ++i) {
            type.seq.push_back(loadAttribute(items[i], false, "", i));
        }
    }
    if (const YamlNode* n = node.find("instances")) {
        for (const auto& entry : requireMapping(*n, "instances").entries) {
            const std::string id = requireIdentifier(entry.first, "an instance name");
            type.instances.push_back(loadAttribute(entry.second, true, id, 0));
            if (entry.second.find("id")) {
                throw DefinitionError(entry.second.pos, "an instance is named by its key, not by 'id'");
            }
        }
    }
    for (const auto& a : type.seq) {
        checkUnique(type, a.id, a.pos);
    }
    for (const auto& a : type.instances) {
        checkUnique(type, a.id, a.pos);
    }
    for (const auto& p : type.params) {
        checkUnique(type, p.id, p.pos);
    }
    if (const YamlNode* n = node.find("enums")) {
        for (const auto& entry : requireMapping(*n, "enums").entries) {
            const std::string name = requireIdentifier(entry.first, "an enum name");
            auto e = std::make_unique<EnumDef>();
            loadEnum(name, entry.second, *e);
            type.enums.emplace(name, std::move(e));
        }
    }
    if (const YamlNode* n = node.find("types")) {
        for (const auto& entry : requireMapping(*n, "types").entries) {
            const std::string name = requireIdentifier(entry.first, "a type name");
            auto child = std::make_unique<TypeDef>();
            child->name = name;
            child->parent = &type;
            child->module = type.module;
            loadType(entry.second, *child);
            type.types.emplace(name, std::move(child));
        }
    }
}

std::vector<std::pair<std::string, SourcePos>> loadModuleMeta(const YamlNode& top, Module& module)
{
    std::vector<std::pair<std::string, SourcePos>> imports;
    const YamlNode* meta = top.find("meta");
    if (!meta) {
        throw DefinitionError(top.pos, "a definition needs 'meta' with an 'id'");
    }
    requireMapping(*meta, "meta");
    const YamlNode* id = meta->find("id");
    if (!id) {
        throw DefinitionError(meta->pos, "meta needs an 'id'");
    }
    module.id = requireIdentifier(*id, "meta/id");
    if (const YamlNode* n = meta->find("title")) {
        module.title = requireScalar(*n, "meta/title");
    }
    if (const YamlNode* n = meta->find("file-extension")) {
        module.fileExtensions = stringList(*n, "meta/file-extension");
    }
    if (const YamlNode* n = meta->find("imports")) {
        for (const auto& item : requireSequence(*n, "meta/imports").items) {
            imports.emplace_back(requireScalar(item, "an import"), item.pos);
        }
    }
    return imports;
}

} // namespace structure
