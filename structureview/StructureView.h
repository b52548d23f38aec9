#pragma once
// What the Structure window shows, apart from its controls: the definition
// chosen (or why it did not load), the tree it lays over the document, and
// the two ways the tree and the bytes follow each other. The panes' tints
// are published to the editor only while the window shows a tree.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "structure/DefinitionLoader.h"
#include "structure/TextConverter.h"
#include "structureview/StructureTree.h"

struct EditorCore;

class StructureView {
public:
    StructureView(EditorCore& core, const structure::TextConverter& converter,
                  const structure::DefinitionFiles& files);
    ~StructureView();
    StructureView(const StructureView&) = delete;
    StructureView& operator=(const StructureView&) = delete;

    // The definition at `path` (absolute, UTF-8) laid over the document.
    // False when it does not load: loadError() says where and why, and no tree shows.
    bool choose(const std::string& path, const structure::LoadOptions& options = {});
    void chooseNone();
    const std::string& chosenPath() const { return path_; }
    // "FILE:LINE:COLUMN: reason"; empty while a definition is loaded or none is chosen.
    const std::string& loadError() const { return error_; }
    // None while no definition is loaded.
    StructureTree* tree() { return tree_.get(); }

    // The panes are tinted while the window shows and the user wants the colours.
    void setShown(bool shown);
    void setColourFields(bool on);
    bool colourFields() const { return colourFields_; }

    // After the editor showed a change: the tree is parsed again when the
    // document changed since it was last parsed. True when it was.
    bool followDocument();
    // When the cursor moved since it was last followed: the deepest row
    // holding its byte, selected, its parents opened. None otherwise.
    std::optional<std::size_t> followCursor();
    // A row chosen in the window: selected, and its bytes selected in the
    // editor with the cursor on the first and in view.
    void showRow(std::size_t row);

    // The whole tree as JSON, from a parse of its own: the form nibstruct
    // prints for the same definition and bytes.
    std::string treeJson() const;

private:
    void publishTints();
    void dropTree();
    void markSeen();
    // The panes are repainted only when some byte's tint changed.
    void repaintIfRetinted(const FieldTints& before);

    EditorCore& core_;
    const structure::TextConverter& converter_;
    const structure::DefinitionFiles& files_;
    std::string path_;
    std::string error_;
    // The tree refers to the definition, so it goes first.
    std::unique_ptr<structure::Definition> definition_;
    std::unique_ptr<StructureTree> tree_;
    bool shown_ = false;
    bool colourFields_ = true;
    std::uint64_t seenChanges_ = 0;
    std::int64_t seenCursor_ = -1;
};
