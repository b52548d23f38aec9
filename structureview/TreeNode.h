#pragma once
// The opened part of the Structure window's tree: a node per row that is
// open or lies on the way to one. Closed elements of a repeat have no node;
// their rows are read from the repeat when shown.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "structureview/StructureRow.h"

struct TreeNode {
    StructureRow row;
    TreeNode* parent = nullptr;
    // Rows below it while it is open, whether or not it is.
    std::uint64_t below = 0;
    // An object's fields, made when it is first opened.
    std::vector<std::unique_ptr<TreeNode>> children;
    // A repeat's open elements, by index.
    std::map<std::size_t, std::unique_ptr<TreeNode>> elements;

    std::uint64_t shown() const { return row.open ? below : 0; }
    std::size_t elementCount() const;
};

// The rows of an object's present fields: its seq, then its instances;
// instances that cannot be computed are noted in the session and left out.
std::vector<std::unique_ptr<TreeNode>> fieldNodes(structure::StructValue& object, TreeNode& parent);
// The row of a repeat's element; throws DataError when it cannot be read.
StructureRow elementRow(const StructureRow& repeat, std::size_t index);
// An element's name, path and depth, its value not read: the row of one that cannot be.
StructureRow unreadElementRow(const StructureRow& repeat, std::size_t index);

// Where a row is: its node, or a closed element of the repeat `node`.
struct RowPlace {
    TreeNode* node = nullptr;
    std::optional<StructureRow> element;
    std::size_t elementIndex = 0;
};
