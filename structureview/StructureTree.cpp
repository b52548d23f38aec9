#include "structureview/StructureTree.h"

#include "structure/TreeLocate.h"
#include "structureview/TreeNode.h"

namespace {

// One step of a path: a field's name, or an element's index.
struct PathStep {
    std::string name;
    std::optional<std::size_t> index;
};

std::vector<PathStep> pathSteps(const std::string& path)
{
    std::vector<PathStep> steps;
    std::size_t at = 0;
    while (at < path.size()) {
        if (path[at] == '.') {
            ++at;
        } else if (path[at] == '[') {
            const std::size_t close = path.find(']', at);
            if (close == std::string::npos) {
                return {};
            }
            steps.push_back({{}, std::stoull(path.substr(at + 1, close - at - 1))});
            at = close + 1;
        } else {
            const std::size_t end = path.find_first_of(".[", at);
            steps.push_back({path.substr(at, end - at), std::nullopt});
            at = end == std::string::npos ? path.size() : end;
        }
    }
    return steps;
}

// Rows of a repeat before its element `index`: the elements, and the rows of those open.
std::uint64_t rowsBeforeElement(const TreeNode& repeat, std::size_t index)
{
    std::uint64_t rows = index;
    for (auto it = repeat.elements.begin(); it != repeat.elements.end() && it->first < index; ++it) {
        rows += it->second->shown();
    }
    return rows;
}

void addBelow(TreeNode* node, std::int64_t delta)
{
    for (; node; node = node->parent) {
        node->below = static_cast<std::uint64_t>(static_cast<std::int64_t>(node->below) + delta);
    }
}

} // namespace

StructureTree::StructureTree(const structure::Definition& definition, const DocumentBytes& document,
                             const structure::TextConverter& converter)
    : definition_(definition), bytes_(document), converter_(converter)
{
    build();
    refreshTints();
}

StructureTree::~StructureTree() = default;

void StructureTree::build()
{
    session_ = std::make_unique<structure::ParseSession>(definition_, bytes_, converter_);
    session_->parse();
    root_ = std::make_unique<TreeNode>();
    root_->row.kind = RowKind::object;
    root_->row.depth = -1;
    root_->row.item.value = structure::Value::structure(session_->rootPointer());
    open(*root_);
}

void StructureTree::reparse()
{
    std::set<std::string> openPaths;
    collectOpenPaths(*root_, openPaths);
    tints_.clear();
    root_.reset(); // its rows hold the old parse's objects
    build();
    for (const std::string& path : openPaths) {
        if (const auto index = rowForPath(path, true)) {
            setOpen(*index, true);
        }
    }
    refreshTints();
}

void StructureTree::collectOpenPaths(const TreeNode& node, std::set<std::string>& paths) const
{
    if (!node.row.open) {
        return;
    }
    if (&node != root_.get()) {
        paths.insert(node.row.path);
    }
    for (const auto& child : node.children) {
        collectOpenPaths(*child, paths);
    }
    for (const auto& element : node.elements) {
        collectOpenPaths(*element.second, paths);
    }
}

std::size_t StructureTree::rowCount() const
{
    return static_cast<std::size_t>(root_->below) + (session_->error() ? 1 : 0);
}

RowPlace StructureTree::placeOfRow(std::size_t index)
{
    TreeNode* node = root_.get();
    std::uint64_t left = index;
    while (left < node->below) {
        if (node->row.kind == RowKind::repeat) {
            std::size_t next = 0; // the first element not yet passed
            TreeNode* into = nullptr;
            for (const auto& [at, element] : node->elements) {
                if (left < at - next) {
                    break;
                }
                left -= at - next;
                if (left == 0) {
                    return {element.get(), std::nullopt, 0};
                }
                --left;
                next = at + 1;
                if (left < element->shown()) {
                    into = element.get();
                    break;
                }
                left -= element->shown();
            }
            if (!into) {
                const std::size_t at = next + static_cast<std::size_t>(left);
                try {
                    return {node, elementRow(node->row, at), at};
                } catch (const structure::DataError& error) {
                    session_->noteError(error); // its row stays in place, named, without a value
                    return {node, unreadElementRow(node->row, at), at};
                }
            }
            node = into;
            continue;
        }
        TreeNode* into = nullptr;
        for (const auto& child : node->children) {
            if (left == 0) {
                return {child.get(), std::nullopt, 0};
            }
            --left;
            if (left < child->shown()) {
                into = child.get();
                break;
            }
            left -= child->shown();
        }
        if (!into) {
            return {};
        }
        node = into;
    }
    return {};
}

StructureRow StructureTree::row(std::size_t index)
{
    if (index == root_->below && session_->error()) {
        const structure::ParseError& error = *session_->error();
        StructureRow row;
        row.kind = RowKind::error;
        row.name = "error: " + error.message;
        row.path = error.path;
        row.item.span.offset = error.offset;
        row.item.span.known = true;
        return row;
    }
    try {
        const RowPlace place = placeOfRow(index);
        if (place.element) {
            return *place.element;
        }
        return place.node ? place.node->row : StructureRow{};
    } catch (const structure::DataError& error) {
        session_->noteError(error);
        return StructureRow{};
    }
}

void StructureTree::open(TreeNode& node)
{
    if (node.row.open || !node.row.hasChildren()) {
        return;
    }
    if (node.row.kind == RowKind::object) {
        if (node.children.empty()) {
            node.children = fieldNodes(*node.row.item.value.object, node);
        }
        node.below = 0;
        for (const auto& child : node.children) {
            node.below += 1 + child->shown();
        }
    } else {
        node.below = rowsBeforeElement(node, node.elementCount());
    }
    node.row.open = true;
    addBelow(node.parent, static_cast<std::int64_t>(node.below));
}

void StructureTree::close(TreeNode& node)
{
    if (!node.row.open) {
        return;
    }
    node.row.open = false;
    addBelow(node.parent, -static_cast<std::int64_t>(node.below));
    TreeNode* repeat = node.parent;
    if (repeat && repeat->row.kind == RowKind::repeat) {
        // A closed element needs no node: its row is read from the repeat.
        for (auto it = repeat->elements.begin(); it != repeat->elements.end(); ++it) {
            if (it->second.get() == &node) {
                repeat->elements.erase(it);
                break;
            }
        }
    }
}

bool StructureTree::setOpen(std::size_t index, bool opened)
{
    RowPlace place;
    try {
        place = placeOfRow(index);
    } catch (const structure::DataError& error) {
        session_->noteError(error);
        return false;
    }
    TreeNode* node = place.node;
    if (place.element) {
        if (!place.element->hasChildren()) {
            return false;
        }
        if (opened) {
            auto made = std::make_unique<TreeNode>();
            made->row = *place.element;
            made->parent = node;
            open(*made);
            node->elements.emplace(place.elementIndex, std::move(made));
        }
        return true;
    }
    if (!node || !node->row.hasChildren()) {
        return false;
    }
    if (opened) {
        open(*node);
    } else {
        close(*node);
    }
    return true;
}

bool StructureTree::toggle(std::size_t index)
{
    bool isOpen = false;
    try {
        const RowPlace place = placeOfRow(index);
        isOpen = !place.element && place.node && place.node->row.open;
    } catch (const structure::DataError& error) {
        session_->noteError(error);
        return false;
    }
    return setOpen(index, !isOpen);
}

std::optional<std::size_t> StructureTree::rowForPath(const std::string& path, bool openParents)
{
    const std::vector<PathStep> steps = pathSteps(path);
    TreeNode* node = root_.get();
    std::uint64_t firstBelow = 0; // the row of the node's first child
    for (std::size_t s = 0; s < steps.size(); ++s) {
        if (!node->row.open) {
            if (!openParents) {
                return std::nullopt;
            }
            open(*node);
        }
        const PathStep& step = steps[s];
        const bool last = s + 1 == steps.size();
        std::uint64_t at = firstBelow;
        TreeNode* next = nullptr;
        if (step.index) {
            if (node->row.kind != RowKind::repeat || *step.index >= node->elementCount()) {
                return std::nullopt;
            }
            at += rowsBeforeElement(*node, *step.index);
            auto found = node->elements.find(*step.index);
            if (found != node->elements.end()) {
                next = found->second.get();
            } else if (!last) {
                if (!openParents) {
                    return std::nullopt;
                }
                try {
                    auto made = std::make_unique<TreeNode>();
                    made->row = elementRow(node->row, *step.index);
                    made->parent = node;
                    next = made.get();
                    node->elements.emplace(*step.index, std::move(made));
                } catch (const structure::DataError& error) {
                    session_->noteError(error);
                    return std::nullopt;
                }
            }
        } else {
            for (const auto& child : node->children) {
                if (child->row.attribute && child->row.attribute->id == step.name) {
                    next = child.get();
                    break;
                }
                at += 1 + child->shown();
            }
            if (!next) {
                return std::nullopt;
            }
        }
        if (last) {
            return static_cast<std::size_t>(at);
        }
        node = next;
        firstBelow = at + 1;
    }
    return std::nullopt;
}

std::optional<std::size_t> StructureTree::rowForOffset(std::uint64_t offset)
{
    const auto location = structure::locate(*session_, offset);
    if (!location || location->path.empty()) {
        return std::nullopt;
    }
    return rowForPath(location->path, true);
}

void StructureTree::select(std::optional<std::size_t> index)
{
    selectedPath_.reset();
    if (index && *index < rowCount()) {
        const StructureRow chosen = row(*index);
        if (chosen.kind != RowKind::error && !chosen.path.empty()) {
            selectedPath_ = chosen.path;
        }
    }
    refreshTints();
}

std::optional<std::size_t> StructureTree::selectedRow()
{
    return selectedPath_ ? rowForPath(*selectedPath_, false) : std::nullopt;
}

void StructureTree::refreshTints()
{
    tints_.clear();
    std::vector<TintedSpan> topLevel;
    for (const auto& child : root_->children) {
        if (!child->row.attribute->isInstance) {
            if (const auto span = fileSpan(child->row.item.span, topLevel.size())) {
                topLevel.push_back(*span);
            }
        }
    }
    tints_.setTopLevel(std::move(topLevel));
    const auto selected = selectedRow();
    if (!selected) {
        return;
    }
    const StructureRow chosen = row(*selected);
    if (chosen.kind == RowKind::repeat && structure::inFile(chosen.item.span)) {
        tints_.setSelectedRepeat(chosen.item.value.array);
    } else if (chosen.kind == RowKind::object) {
        std::vector<TintedSpan> children;
        for (const structure::Field& field : chosen.item.value.object->fields()) {
            if (!field.present) {
                continue;
            }
            if (const auto span = fileSpan(field.item.span, children.size())) {
                children.push_back(*span);
            }
        }
        tints_.setSelectedChildren(std::move(children));
    }
}
