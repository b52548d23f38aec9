#pragma once
// Background tints some bytes get in the data panes (a parsed structure's
// fields), under the selection and the cursor. The panes ask while painting,
// so an answer must be quick.
#include <cstdint>
#include <optional>

#include "view/CoreTypes.h"

// Bytes from an offset up to `end` that share one answer.
struct TintRun {
    std::optional<ColorRef> tint;
    std::uint64_t end = 0;
};

class ByteTints {
public:
    virtual ~ByteTints() = default;
    // The byte's tint, or none: the background colour.
    virtual std::optional<ColorRef> tintAt(std::uint64_t offset) const = 0;
    // The byte's tint and how far it reaches, so that a row is painted a
    // stretch at a time rather than asked byte by byte.
    virtual TintRun tintRunAt(std::uint64_t offset) const { return {tintAt(offset), offset + 1}; }
};
