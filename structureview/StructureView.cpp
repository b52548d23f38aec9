#include "structureview/StructureView.h"

#include <exception>

#include "editor/EditorCore.h"
#include "structure/TreeJson.h"
#include "structureview/DocumentByteSource.h"
#include "view/Selection.h"

StructureView::StructureView(EditorCore& core, const structure::TextConverter& converter,
                             const structure::DefinitionFiles& files)
    : core_(core), converter_(converter), files_(files)
{
}

StructureView::~StructureView()
{
    chooseNone();
}

bool StructureView::choose(const std::string& path, const structure::LoadOptions& options)
{
    chooseNone();
    path_ = path;
    try {
        definition_ = structure::loadDefinition(path, files_, options);
        tree_ = std::make_unique<StructureTree>(*definition_, core_.buffer, converter_);
    } catch (const std::exception& error) {
        // A definition error names its own place; anything else (memory) is told beside the file.
        const bool placed = dynamic_cast<const structure::DefinitionError*>(&error) != nullptr;
        error_ = placed ? error.what() : path + ": " + error.what();
        dropTree();
    }
    markSeen();
    publishTints();
    return tree_ != nullptr;
}

void StructureView::chooseNone()
{
    dropTree();
    path_.clear();
    error_.clear();
}

void StructureView::dropTree()
{
    // The panes must not ask a tree that is gone.
    if (tree_ != nullptr && core_.fieldTints == &tree_->tints()) {
        core_.fieldTints = nullptr;
        core_.repaint(Repaint::later);
    }
    tree_.reset();
    definition_.reset();
}

void StructureView::setShown(bool shown)
{
    shown_ = shown;
    publishTints();
}

void StructureView::setColourFields(bool on)
{
    colourFields_ = on;
    publishTints();
}

bool StructureView::followDocument()
{
    if (tree_ == nullptr || core_.history.changes() == seenChanges_) {
        return false;
    }
    seenChanges_ = core_.history.changes();
    const FieldTints before = tree_->tints();
    tree_->reparse();
    repaintIfRetinted(before); // typing repaints its own cell
    return true;
}

std::optional<std::size_t> StructureView::followCursor()
{
    if (tree_ == nullptr || core_.cursorOffset == seenCursor_) {
        return std::nullopt;
    }
    seenCursor_ = core_.cursorOffset;
    const auto row = tree_->rowForOffset(static_cast<std::uint64_t>(core_.cursorOffset));
    if (row && tree_->selectedPath() != tree_->row(*row).path) {
        const FieldTints before = tree_->tints();
        tree_->select(row);
        repaintIfRetinted(before);
    }
    return row;
}

void StructureView::showRow(std::size_t row)
{
    if (tree_ == nullptr || row >= tree_->rowCount()) {
        return;
    }
    tree_->select(row);
    const StructureRow chosen = tree_->row(row);
    const auto span = fileSpan(chosen.item.span, 0);
    if (span && span->offset < static_cast<std::uint64_t>(core_.buffer.length())) {
        selectRange(core_, static_cast<std::int64_t>(span->offset), static_cast<std::int64_t>(span->size));
    } else if (core_.fieldTints != nullptr) {
        core_.repaint(Repaint::later);
    }
    // The cursor now on the row's first byte is the row's doing, not a move to follow.
    seenCursor_ = core_.cursorOffset;
}

std::string StructureView::treeJson() const
{
    if (definition_ == nullptr) {
        return {};
    }
    const DocumentByteSource bytes(core_.buffer);
    structure::ParseSession session(*definition_, bytes, converter_);
    session.parse();
    structure::StringJsonSink sink;
    structure::writeDocumentJson(session, sink);
    return sink.text();
}

void StructureView::publishTints()
{
    const ByteTints* tints = shown_ && colourFields_ && tree_ != nullptr ? &tree_->tints() : nullptr;
    if (core_.fieldTints != tints) {
        core_.fieldTints = tints;
        core_.repaint(Repaint::later);
    }
}

void StructureView::repaintIfRetinted(const FieldTints& before)
{
    if (core_.fieldTints != nullptr && !tree_->tints().sameAs(before)) {
        core_.repaint(Repaint::later);
    }
}

void StructureView::markSeen()
{
    seenChanges_ = core_.history.changes();
    seenCursor_ = -1; // the cursor's row is found afresh
}
