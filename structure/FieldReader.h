#pragma once
// Reads a definition's attributes from streams into the object tree.
#include "structure/Evaluator.h"
#include "structure/Stream.h"
#include "structure/StructValue.h"

#include <memory>
#include <optional>
#include <string>

namespace structure {

// Sets the object's byte order (its type's, a switch over it, or the parent's)
// and reads its seq fields.
void parseObject(StructValue& object, const std::optional<bool>& inheritedLittleEndian);

// Reads one seq field, with its `if` and repeat, at the stream's position.
void readField(StructValue& owner, const Attribute& attribute, const std::shared_ptr<Stream>& io, Field& out);

// An instance: a value, or a read at `pos` in `io` that leaves the stream where it was.
Field evaluateInstance(StructValue& owner, const Attribute& attribute);

// One element (the whole field when it does not repeat); `out` is filled as it
// is read so a fault leaves what was read. `path` names it in messages.
void readElement(StructValue& owner, const Attribute& attribute, const std::shared_ptr<Stream>& io,
                 std::optional<std::int64_t> index, const std::string& path, Item& out);

// A string field's encoding: its own, else the nearest enclosing type's;
// throws DataError when none gives one.
std::string encodingFor(const StructValue& owner, const Attribute& attribute);

// Checks `valid` on a value read for the attribute; throws DataError.
void validate(StructValue& owner, const Attribute& attribute, const Value& value, std::optional<std::int64_t> index);

} // namespace structure
