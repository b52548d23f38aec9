#include "structure/TreeLocate.h"

#include "structure/LazyArray.h"
#include "structure/Stream.h"

#include <algorithm>

namespace structure {

bool inFile(const Span& span)
{
    return span.known && (!span.origin || span.origin->path.empty());
}

namespace {

// A bit field after the first in its byte reads no new byte, yet lies in that byte.
std::uint64_t extent(const Span& span)
{
    return span.size > 0 || span.bitSize == 0 ? span.size : 1;
}

bool holds(const Span& span, std::uint64_t offset)
{
    return inFile(span) && offset >= span.offset && offset - span.offset < extent(span);
}

std::optional<std::size_t> elementHolding(const ArrayValue& array, std::uint64_t offset)
{
    if (const auto* lazy = dynamic_cast<const LazyArray*>(&array)) {
        return lazy->indexAt(offset);
    }
    const auto* list = dynamic_cast<const ListArray*>(&array);
    if (!list) {
        return std::nullopt;
    }
    // Elements lie in offset order; the last that starts at or before the byte may hold it.
    const auto after = std::upper_bound(list->items.begin(), list->items.end(), offset,
                                        [](std::uint64_t at, const Item& item) { return at < item.span.offset; });
    if (after == list->items.begin() || !holds(std::prev(after)->span, offset)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(std::prev(after) - list->items.begin());
}

class Locator {
public:
    Locator(ParseSession& session, std::uint64_t offset) : session_(session), offset_(offset) {}

    // True when a member of the object holds the byte; `found` is then the deepest.
    bool object(StructValue& owner, Location& found)
    {
        for (const Field& f : owner.fields()) {
            if (f.present && f.attr && holds(f.item.span, offset_)) {
                return field(owner, f, found);
            }
        }
        for (std::size_t k = 0; k < owner.type().instances.size(); ++k) {
            if (owner.type().instances[k].value) {
                continue; // value instances have no bytes
            }
            try {
                const Field& f = owner.instance(k);
                if (f.present && holds(f.item.span, offset_)) {
                    return field(owner, f, found);
                }
            } catch (const DataError& e) {
                session_.noteError(e);
            }
        }
        return false;
    }

private:
    bool field(StructValue& owner, const Field& f, Location& found)
    {
        found = Location{owner.memberPath(f.attr->id), f.item.span, f.attr};
        if (f.item.value.kind != Value::Kind::Array || f.attr->repeat == RepeatKind::None) {
            item(f.item, found);
            return true;
        }
        const auto index = elementHolding(*f.item.value.array, offset_);
        if (!index) {
            return true;
        }
        try {
            const Item element = f.item.value.array->item(*index);
            found.path += "[" + std::to_string(*index) + "]";
            found.span = element.span;
            item(element, found);
        } catch (const DataError& e) {
            session_.noteError(e);
        }
        return true;
    }

    void item(const Item& it, Location& found)
    {
        if (it.value.kind == Value::Kind::Struct && it.value.object) {
            object(*it.value.object, found);
        }
    }

    ParseSession& session_;
    std::uint64_t offset_;
};

} // namespace

std::optional<Location> locate(ParseSession& session, std::uint64_t offset)
{
    StructValue& root = session.root();
    Location found;
    if (Locator(session, offset).object(root, found)) {
        return found;
    }
    if (root.io() && offset >= root.io()->absolute(root.start) && offset < root.io()->absolute(root.end)) {
        found.span = Span{root.io()->absolute(root.start), root.end - root.start, 0, 0, nullptr, true};
        return found;
    }
    return std::nullopt;
}

} // namespace structure
