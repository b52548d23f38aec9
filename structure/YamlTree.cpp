#include "structure/YamlTree.h"

#include <yaml.h>

#include <set>

namespace structure {

namespace {

// libyaml's nesting is bounded so a hostile file cannot exhaust the stack.
constexpr int maxYamlDepth = 200;

SourcePos markPos(const std::shared_ptr<const std::string>& file, const yaml_mark_t& mark)
{
    return {file, static_cast<int>(mark.line) + 1, static_cast<int>(mark.column) + 1};
}

class DocumentGuard {
public:
    explicit DocumentGuard(yaml_document_t* doc) : doc_(doc) {}
    ~DocumentGuard() { yaml_document_delete(doc_); }
    DocumentGuard(const DocumentGuard&) = delete;
    DocumentGuard& operator=(const DocumentGuard&) = delete;

private:
    yaml_document_t* doc_;
};

class ParserGuard {
public:
    explicit ParserGuard(yaml_parser_t* parser) : parser_(parser) {}
    ~ParserGuard() { yaml_parser_delete(parser_); }
    ParserGuard(const ParserGuard&) = delete;
    ParserGuard& operator=(const ParserGuard&) = delete;

private:
    yaml_parser_t* parser_;
};

class Converter {
public:
    Converter(yaml_document_t* doc, std::shared_ptr<const std::string> file) : doc_(doc), file_(std::move(file)) {}

    YamlNode convert(yaml_node_t* node, int depth)
    {
        YamlNode out;
        out.pos = markPos(file_, node->start_mark);
        if (depth > maxYamlDepth) {
            throw DefinitionError(out.pos, "YAML nested too deeply");
        }
        switch (node->type) {
        case YAML_SCALAR_NODE:
            out.kind = YamlNode::Kind::Scalar;
            out.text.assign(reinterpret_cast<const char*>(node->data.scalar.value), node->data.scalar.length);
            out.quoted = node->data.scalar.style != YAML_PLAIN_SCALAR_STYLE;
            break;
        case YAML_SEQUENCE_NODE:
            out.kind = YamlNode::Kind::Sequence;
            for (yaml_node_item_t* item = node->data.sequence.items.start; item < node->data.sequence.items.top;
                 ++item) {
                out.items.push_back(convert(child(*item, out.pos), depth + 1));
            }
            break;
        case YAML_MAPPING_NODE: {
            out.kind = YamlNode::Kind::Mapping;
            std::set<std::string> seen;
            for (yaml_node_pair_t* pair = node->data.mapping.pairs.start; pair < node->data.mapping.pairs.top; ++pair) {
                YamlNode key = convert(child(pair->key, out.pos), depth + 1);
                if (!key.isScalar()) {
                    throw DefinitionError(key.pos, "a mapping key must be a plain value");
                }
                if (!seen.insert(key.text).second) {
                    throw DefinitionError(key.pos, "duplicate key '" + key.text + "'");
                }
                YamlNode value = convert(child(pair->value, out.pos), depth + 1);
                out.entries.emplace_back(std::move(key), std::move(value));
            }
            break;
        }
        default:
            throw DefinitionError(out.pos, "empty YAML node");
        }
        return out;
    }

private:
    yaml_node_t* child(int index, const SourcePos& pos)
    {
        yaml_node_t* node = yaml_document_get_node(doc_, index);
        if (!node) {
            throw DefinitionError(pos, "broken YAML node reference");
        }
        return node;
    }

    yaml_document_t* doc_;
    std::shared_ptr<const std::string> file_;
};

} // namespace

const YamlNode* YamlNode::find(const std::string& key) const
{
    for (const auto& entry : entries) {
        if (entry.first.text == key) {
            return &entry.second;
        }
    }
    return nullptr;
}

YamlNode parseYaml(const std::string& text, const std::shared_ptr<const std::string>& fileName)
{
    yaml_parser_t parser;
    if (!yaml_parser_initialize(&parser)) {
        throw DefinitionError({fileName, 1, 1}, "out of memory for the YAML parser");
    }
    ParserGuard parserGuard(&parser);
    yaml_parser_set_input_string(&parser, reinterpret_cast<const unsigned char*>(text.data()), text.size());
    yaml_document_t doc;
    if (!yaml_parser_load(&parser, &doc)) {
        SourcePos pos = markPos(fileName, parser.problem ? parser.problem_mark : parser.context_mark);
        std::string reason = parser.problem ? parser.problem : "YAML syntax error";
        if (parser.context) {
            reason = std::string(parser.context) + ": " + reason;
        }
        throw DefinitionError(pos, "YAML: " + reason);
    }
    DocumentGuard docGuard(&doc);
    yaml_node_t* root = yaml_document_get_root_node(&doc);
    if (!root) {
        throw DefinitionError({fileName, 1, 1}, "the file holds no YAML document");
    }
    YamlNode tree = Converter(&doc, fileName).convert(root, 0);
    if (!tree.isMapping()) {
        throw DefinitionError(tree.pos, "a definition must be a mapping at its top");
    }
    return tree;
}

} // namespace structure
