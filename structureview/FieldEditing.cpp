#include "structureview/FieldEditing.h"

#include <algorithm>

#include "editor/EditorCore.h"
#include "structureview/FieldBytes.h"
#include "structureview/StructureTree.h"
#include "view/UndoRedo.h"

namespace {

const char* const windowCaption = "Structure";

} // namespace

FieldWrite writeField(EditorCore& core, StructureTree& tree, std::size_t row, std::string_view text)
{
    if (core.files.refuseEdit()) {
        return FieldWrite::refused;
    }
    const StructureRow field = tree.row(row);
    const FieldBytes typed = fieldBytes(field, text, core.buffer);
    if (!typed.valid()) {
        core.shell.tell(warningMessage(typed.error, windowCaption));
        return FieldWrite::invalid;
    }
    const std::uint64_t offset = field.item.span.offset;
    const auto length = static_cast<std::uint64_t>(std::max<std::int64_t>(core.buffer.length(), 0));
    if (offset > length || typed.bytes.size() > length - offset) {
        core.shell.tell(warningMessage("The field lies past the end of the document.", windowCaption));
        return FieldWrite::invalid;
    }
    const auto at = static_cast<std::int32_t>(offset);
    const auto count = static_cast<std::int32_t>(typed.bytes.size());
    if (count == 0) {
        return FieldWrite::written;
    }
    if (!recordChange(core, EditStep::Kind::overwrite, at, count, typed.bytes.data())) {
        return FieldWrite::refused;
    }
    core.buffer.overwrite(at, typed.bytes.data(), typed.bytes.size());
    core.repaint(Repaint::later);
    return FieldWrite::written;
}
