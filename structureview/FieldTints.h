#pragma once
// The light background tints the data panes give the fields of a parsed
// tree: the top-level fields in turn, and over them the children of the
// selected row. Asked for every stretch of a row painted, so each answer is
// a binary search at most, and a repeat's elements are never listed.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "structure/Value.h"
#include "view/ByteTints.h"
#include "view/CoreTypes.h"

constexpr std::size_t fieldTintCount = 8;
// Hues far apart (0x00BBGGRR), shown as a quarter of each over the background.
constexpr ColorRef fieldTintPalette[fieldTintCount] = {
    0xFF8000, 0x00C000, 0x0000FF, 0x00A0FF, 0xC000C0, 0xC0C000, 0x00E0E0, 0x8080FF,
};

// A field's bytes in the file, tinted by its place among its siblings.
struct TintedSpan {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::size_t place = 0;

    bool operator==(const TintedSpan& other) const
    {
        return offset == other.offset && size == other.size && place == other.place;
    }
};

class FieldTints final : public ByteTints {
public:
    // Fields in file order, of which those outside the file's bytes are passed over.
    void setTopLevel(std::vector<TintedSpan> spans) { topLevel_ = sortedLayer(std::move(spans)); }
    void setSelectedChildren(std::vector<TintedSpan> spans);
    // The elements of a selected repeat, tinted by their index.
    void setSelectedRepeat(std::shared_ptr<const structure::ArrayValue> repeat);
    void clear();
    // Whether every byte takes the same tint under both: a reparse that moved
    // no field needs no repainting.
    bool sameAs(const FieldTints& other) const;

    // The byte's tint, or none when no tinted field holds it.
    std::optional<ColorRef> tintAt(std::uint64_t offset) const override { return tintRunAt(offset).tint; }
    TintRun tintRunAt(std::uint64_t offset) const override;

private:
    // A layer's field holding the byte and where it ends, or where the
    // layer's next field starts.
    struct LayerAnswer {
        std::optional<std::size_t> place;
        std::uint64_t end;
    };
    static std::vector<TintedSpan> sortedLayer(std::vector<TintedSpan> spans);
    static LayerAnswer placeIn(const std::vector<TintedSpan>& layer, std::uint64_t offset);
    LayerAnswer placeInRepeat(std::uint64_t offset) const;

    std::vector<TintedSpan> topLevel_;
    std::vector<TintedSpan> selectedChildren_;
    std::shared_ptr<const structure::ArrayValue> selectedRepeat_;
};

// The span of an item when its bytes lie in the file itself.
std::optional<TintedSpan> fileSpan(const structure::Span& span, std::size_t place);
