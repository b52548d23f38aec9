#pragma once
// The Structure window's tree model: a document parsed by a definition, its
// rows flattened by depth as they are opened and closed. A repeat's elements
// are read only when their rows are asked for, so a repeat of millions costs
// a screenful at a time. Open rows and the selected row are kept by path.
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "document/DocumentBytes.h"
#include "structure/ParseSession.h"
#include "structureview/DocumentByteSource.h"
#include "structureview/FieldTints.h"
#include "structureview/StructureRow.h"

struct TreeNode;
struct RowPlace;

class StructureTree {
public:
    StructureTree(const structure::Definition& definition, const DocumentBytes& document,
                  const structure::TextConverter& converter);
    ~StructureTree();
    StructureTree(const StructureTree&) = delete;
    StructureTree& operator=(const StructureTree&) = delete;

    // Parses the document again (after a change), keeping the open rows and
    // the selected row where their paths still lead.
    void reparse();

    // Rows shown, the error's row included.
    std::size_t rowCount() const;
    // Reading an element may find a data error: it is noted, and the error row appears.
    StructureRow row(std::size_t index);
    // Opens or closes a row with children; false for any other row.
    bool setOpen(std::size_t index, bool open);
    bool toggle(std::size_t index);

    // The deepest row holding the byte, its parents opened; none when no field holds it.
    std::optional<std::size_t> rowForOffset(std::uint64_t offset);
    // The row a path leads to, its parents opened when `openParents`.
    std::optional<std::size_t> rowForPath(const std::string& path, bool openParents);

    // The selected row, and the tints that follow it.
    void select(std::optional<std::size_t> index);
    std::optional<std::size_t> selectedRow();
    const std::optional<std::string>& selectedPath() const { return selectedPath_; }
    const FieldTints& tints() const { return tints_; }

    structure::ParseSession& session() { return *session_; }

private:
    void build();
    void open(TreeNode& node);
    void close(TreeNode& node);
    void refreshTints();
    // Reaching a row costs a step per open row on its way down, not one per row before it.
    RowPlace placeOfRow(std::size_t index);
    void collectOpenPaths(const TreeNode& node, std::set<std::string>& paths) const;

    const structure::Definition& definition_;
    DocumentByteSource bytes_;
    const structure::TextConverter& converter_;
    std::unique_ptr<structure::ParseSession> session_;
    std::unique_ptr<TreeNode> root_;
    std::optional<std::string> selectedPath_;
    FieldTints tints_;
};
