#include "structureview/TreeNode.h"

#include "structure/ParseSession.h"

namespace {

RowKind kindOf(const structure::Item& item, bool repeated)
{
    if (repeated && item.value.kind == structure::Value::Kind::Array) {
        return RowKind::repeat;
    }
    if (item.value.kind == structure::Value::Kind::Struct && item.span.known) {
        return RowKind::object;
    }
    return RowKind::leaf;
}

std::unique_ptr<TreeNode> fieldNode(const structure::StructValue& object, const structure::Field& field,
                                    TreeNode& parent)
{
    auto node = std::make_unique<TreeNode>();
    StructureRow& row = node->row;
    row.attribute = field.attr;
    row.owner = &object;
    row.item = field.item;
    row.depth = parent.row.depth + 1;
    row.path = object.memberPath(field.attr->id);
    row.kind = kindOf(field.item, field.attr->repeat != structure::RepeatKind::None);
    row.name = field.attr->id;
    if (row.kind == RowKind::repeat) {
        row.name += "[" + std::to_string(field.item.value.array->size()) + "]";
    }
    node->parent = &parent;
    return node;
}

} // namespace

std::size_t TreeNode::elementCount() const
{
    return row.kind == RowKind::repeat ? row.item.value.array->size() : 0;
}

std::vector<std::unique_ptr<TreeNode>> fieldNodes(structure::StructValue& object, TreeNode& parent)
{
    std::vector<std::unique_ptr<TreeNode>> nodes;
    for (const structure::Field& field : object.fields()) {
        if (field.present && field.attr) {
            nodes.push_back(fieldNode(object, field, parent));
        }
    }
    for (std::size_t k = 0; k < object.type().instances.size(); ++k) {
        try {
            const structure::Field& field = object.instance(k);
            if (field.present && field.attr) {
                nodes.push_back(fieldNode(object, field, parent));
            }
        } catch (const structure::DataError& error) {
            object.session().noteError(error);
        }
    }
    return nodes;
}

StructureRow unreadElementRow(const StructureRow& repeat, std::size_t index)
{
    StructureRow row;
    row.attribute = repeat.attribute;
    row.owner = repeat.owner;
    row.depth = repeat.depth + 1;
    const std::string place = "[" + std::to_string(index) + "]";
    row.name = place;
    row.path = repeat.path + place;
    return row;
}

StructureRow elementRow(const StructureRow& repeat, std::size_t index)
{
    StructureRow row = unreadElementRow(repeat, index);
    row.item = repeat.item.value.array->item(index);
    row.kind = kindOf(row.item, false);
    return row;
}
