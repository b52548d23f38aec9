#include "structureview/FieldTints.h"

#include <algorithm>

#include "structure/LazyArray.h"
#include "structure/TreeLocate.h"

std::optional<TintedSpan> fileSpan(const structure::Span& span, std::size_t place)
{
    if (!structure::inFile(span) || span.size == 0) {
        return std::nullopt;
    }
    return TintedSpan{span.offset, span.size, place};
}

void FieldTints::setSelectedChildren(std::vector<TintedSpan> spans)
{
    selectedRepeat_.reset();
    selectedChildren_ = sortedLayer(std::move(spans));
}

void FieldTints::setSelectedRepeat(std::shared_ptr<const structure::ArrayValue> repeat)
{
    selectedChildren_.clear();
    selectedRepeat_ = std::move(repeat);
}

void FieldTints::clear()
{
    topLevel_.clear();
    selectedChildren_.clear();
    selectedRepeat_.reset();
}

std::optional<ColorRef> FieldTints::tintAt(std::uint64_t offset) const
{
    std::optional<std::size_t> place = placeInRepeat(offset);
    if (!place) {
        place = placeIn(selectedChildren_, offset);
    }
    if (!place) {
        place = placeIn(topLevel_, offset);
    }
    if (!place) {
        return std::nullopt;
    }
    return fieldTintPalette[*place % fieldTintCount];
}

std::vector<TintedSpan> FieldTints::sortedLayer(std::vector<TintedSpan> spans)
{
    std::stable_sort(spans.begin(), spans.end(),
                     [](const TintedSpan& a, const TintedSpan& b) { return a.offset < b.offset; });
    // Bit fields share bytes: a byte keeps the tint of the first field in it.
    std::vector<TintedSpan> layer;
    for (TintedSpan span : spans) {
        if (!layer.empty()) {
            const std::uint64_t taken = layer.back().offset + layer.back().size;
            const std::uint64_t overlap = span.offset < taken ? std::min(taken - span.offset, span.size) : 0;
            span.offset += overlap;
            span.size -= overlap;
        }
        if (span.size > 0) {
            layer.push_back(span);
        }
    }
    return layer;
}

std::optional<std::size_t> FieldTints::placeIn(const std::vector<TintedSpan>& layer, std::uint64_t offset)
{
    auto after = std::upper_bound(layer.begin(), layer.end(), offset,
                                  [](std::uint64_t at, const TintedSpan& span) { return at < span.offset; });
    if (after == layer.begin()) {
        return std::nullopt;
    }
    const TintedSpan& span = *(after - 1);
    if (offset - span.offset >= span.size) {
        return std::nullopt;
    }
    return span.place;
}

std::optional<std::size_t> FieldTints::placeInRepeat(std::uint64_t offset) const
{
    if (!selectedRepeat_) {
        return std::nullopt;
    }
    if (const auto* lazy = dynamic_cast<const structure::LazyArray*>(selectedRepeat_.get())) {
        // Elements of one size lie end to end: found by arithmetic, none read.
        if (lazy->elementSize() == 0) {
            return std::nullopt;
        }
        return lazy->indexAt(offset);
    }
    // Elements read one by one are held in file order: a binary search over
    // their spans, read in place since an item's copy may hold a long value.
    const auto* list = dynamic_cast<const structure::ListArray*>(selectedRepeat_.get());
    if (!list) {
        return std::nullopt;
    }
    std::size_t low = 0;
    std::size_t high = list->items.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const structure::Span& span = list->items[middle].span;
        if (!structure::inFile(span)) {
            return std::nullopt;
        }
        if (offset < span.offset) {
            high = middle;
        } else if (offset - span.offset >= span.size) {
            low = middle + 1;
        } else {
            return middle;
        }
    }
    return std::nullopt;
}
