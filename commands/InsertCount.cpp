#include "commands/InsertCount.h"

#include <cctype>
#include <limits>

#include "commands/EditMessages.h"
#include "editor/EditorCore.h"
#include "view/Editing.h"

InsertCount parseInsertCount(const std::string& text)
{
    std::size_t p = 0;
    while (p < text.size() && std::isspace(static_cast<unsigned char>(text[p])) != 0) {
        ++p;
    }
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    std::int64_t value = 0;
    bool tooLarge = false;
    for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p) {
        value = value * 10 + (text[p] - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            tooLarge = true;
            value = std::numeric_limits<std::int32_t>::max(); // held, so it cannot overflow
        }
    }
    InsertCount result;
    if (negative || value == 0) {
        return result;
    }
    result.status = tooLarge ? InsertCount::Status::outOfRange : InsertCount::Status::count;
    result.value = static_cast<std::int32_t>(value);
    return result;
}

bool insertCounted(EditorCore& core, const InsertCount& count, std::string_view typed)
{
    switch (count.status) {
    case InsertCount::Status::none:
        core.shell.tell(notACount(typed)); // empty, not a number, zero or negative
        return false;
    case InsertCount::Status::outOfRange:
        core.shell.tell(countTooLarge(typed));
        return false;
    case InsertCount::Status::count:
        break;
    }
    if (!canGrowBy(core, count.value)) {
        core.shell.tell(growthRefusal(count.value));
        return false;
    }
    if (!core.insertZeros(count.value)) {
        core.shell.tell(noMemoryToInsert(count.value));
        return false;
    }
    core.repaint(Repaint::later);
    return true;
}
