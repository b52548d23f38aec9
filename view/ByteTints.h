#pragma once
// Background tints some bytes get in the data panes (a parsed structure's
// fields), under the selection and the cursor. The panes ask while painting,
// so an answer must be quick.
#include <cstdint>
#include <optional>

#include "view/CoreTypes.h"

class ByteTints {
public:
    virtual ~ByteTints() = default;
    // The byte's tint, or none: the background colour.
    virtual std::optional<ColorRef> tintAt(std::uint64_t offset) const = 0;
};
