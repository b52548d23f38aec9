// The data inspector's side of the core: what the bytes at the cursor mean as
// each type, and a typed value written over them as one change.
#include "editor/EditorCore.h"
#include "view/Cursor.h"

#include <algorithm>

namespace {

// The bytes from the cursor to the end of the document.
std::size_t bytesAfter(const EditorCore& core)
{
    if (!cursorOnByte(core)) {
        return 0;
    }
    return static_cast<std::size_t>(core.buffer.size - core.cursorOffset);
}

} // namespace

std::string EditorCore::valueAtCursor(ValueType type, bool bigEndian) const
{
    const std::size_t available = bytesAfter(*this);
    const std::uint8_t* bytes = available > 0 ? buffer.data.get() + cursorOffset : nullptr;
    return valueText(type, bytes, available, bigEndian);
}

ValueWrite EditorCore::writeValue(ValueType type, std::string_view text, bool bigEndian)
{
    if (refuseEdit()) {
        return {ValueWrite::Outcome::refused, {}};
    }
    const ParsedValue parsed = parseValue(type, text, bigEndian);
    if (!parsed.valid()) {
        return {ValueWrite::Outcome::invalid, parsed.error};
    }
    if (parsed.bytes.size() > bytesAfter(*this)) {
        return {ValueWrite::Outcome::notEnoughBytes, notEnoughBytesText(type)};
    }
    const auto count = static_cast<std::int32_t>(parsed.bytes.size());
    if (!recordChange(EditStep::Kind::overwrite, cursorOffset, count, parsed.bytes.data())) {
        return {ValueWrite::Outcome::refused, {}};
    }
    buffer.overwrite(cursorOffset, parsed.bytes.data(), parsed.bytes.size());
    digitIndex = 0; // a byte half typed before is whole again
    repaint(Repaint::later);
    return {ValueWrite::Outcome::written, {}};
}
