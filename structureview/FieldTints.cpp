#include "structureview/FieldTints.h"

#include <algorithm>
#include <limits>

#include "structure/LazyArray.h"
#include "structure/TreeLocate.h"

namespace {

constexpr std::uint64_t noFieldAfter = std::numeric_limits<std::uint64_t>::max();

} // namespace

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

namespace {

// Repeats whose elements lie in the same places.
bool sameElements(const structure::ArrayValue* a, const structure::ArrayValue* b)
{
    if (a == nullptr || b == nullptr) {
        return a == b;
    }
    const auto* lazyA = dynamic_cast<const structure::LazyArray*>(a);
    const auto* lazyB = dynamic_cast<const structure::LazyArray*>(b);
    if (lazyA != nullptr && lazyB != nullptr) {
        return lazyA->firstOffset() == lazyB->firstOffset() && lazyA->elementSize() == lazyB->elementSize() &&
               lazyA->size() == lazyB->size();
    }
    const auto* listA = dynamic_cast<const structure::ListArray*>(a);
    const auto* listB = dynamic_cast<const structure::ListArray*>(b);
    if (listA == nullptr || listB == nullptr || listA->items.size() != listB->items.size()) {
        return false;
    }
    return std::equal(listA->items.begin(), listA->items.end(), listB->items.begin(),
                      [](const structure::Item& x, const structure::Item& y) {
                          return x.span.offset == y.span.offset && x.span.size == y.span.size &&
                                 structure::inFile(x.span) == structure::inFile(y.span);
                      });
}

} // namespace

bool FieldTints::sameAs(const FieldTints& other) const
{
    return topLevel_ == other.topLevel_ && selectedChildren_ == other.selectedChildren_ &&
           sameElements(selectedRepeat_.get(), other.selectedRepeat_.get());
}

void FieldTints::clear()
{
    topLevel_.clear();
    selectedChildren_.clear();
    selectedRepeat_.reset();
}

TintRun FieldTints::tintRunAt(std::uint64_t offset) const
{
    // A layer missing the byte keeps missing it up to its next field, where
    // the byte's tint may change.
    std::uint64_t end = noFieldAfter;
    const auto answer = [&end](const LayerAnswer& layer) {
        end = std::min(end, layer.end);
        return layer.place;
    };
    std::optional<std::size_t> place = answer(placeInRepeat(offset));
    if (!place) {
        place = answer(placeIn(selectedChildren_, offset));
    }
    if (!place) {
        place = answer(placeIn(topLevel_, offset));
    }
    if (!place) {
        return {std::nullopt, end};
    }
    return {fieldTintPalette[*place % fieldTintCount], end};
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

FieldTints::LayerAnswer FieldTints::placeIn(const std::vector<TintedSpan>& layer, std::uint64_t offset)
{
    auto after = std::upper_bound(layer.begin(), layer.end(), offset,
                                  [](std::uint64_t at, const TintedSpan& span) { return at < span.offset; });
    if (after != layer.begin()) {
        const TintedSpan& span = *(after - 1);
        if (offset - span.offset < span.size) {
            return {span.place, span.offset + span.size};
        }
    }
    return {std::nullopt, after == layer.end() ? noFieldAfter : after->offset};
}

FieldTints::LayerAnswer FieldTints::placeInRepeat(std::uint64_t offset) const
{
    const LayerAnswer none{std::nullopt, noFieldAfter};
    if (!selectedRepeat_) {
        return none;
    }
    if (const auto* lazy = dynamic_cast<const structure::LazyArray*>(selectedRepeat_.get())) {
        // Elements of one size lie end to end: found by arithmetic, none read.
        const std::uint64_t size = lazy->elementSize();
        if (size == 0) {
            return none;
        }
        if (offset < lazy->firstOffset()) {
            return {std::nullopt, lazy->firstOffset()};
        }
        const std::optional<std::size_t> index = lazy->indexAt(offset);
        if (!index) {
            return none;
        }
        return {index, lazy->firstOffset() + (*index + 1) * size};
    }
    // Elements read one by one are held in file order: a binary search over
    // their spans, read in place since an item's copy may hold a long value.
    const auto* list = dynamic_cast<const structure::ListArray*>(selectedRepeat_.get());
    if (!list) {
        return none;
    }
    std::size_t low = 0;
    std::size_t high = list->items.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const structure::Span& span = list->items[middle].span;
        if (!structure::inFile(span)) {
            return {std::nullopt, offset + 1}; // nothing known past this byte
        }
        if (offset < span.offset) {
            high = middle;
        } else if (offset - span.offset >= span.size) {
            low = middle + 1;
        } else {
            return {middle, span.offset + span.size};
        }
    }
    if (low == list->items.size()) {
        return none;
    }
    const structure::Span& next = list->items[low].span;
    return {std::nullopt, structure::inFile(next) ? next.offset : offset + 1};
}
