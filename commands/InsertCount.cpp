#include "commands/InsertCount.h"

#include <cctype>
#include <limits>

#include "view/InputExcerpt.h"

namespace {

std::string characters(std::int64_t count)
{
    return std::to_string(count) + (count == 1 ? " character" : " characters");
}

} // namespace

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

std::string growthRefusalText(std::int64_t count)
{
    return "Cannot insert " + characters(count) + ": the document would pass 2147483647 bytes.";
}

std::string noMemoryToInsertText(std::int64_t count)
{
    return "Not enough memory to insert " + characters(count) + ".";
}

std::string notACountText(const std::string& typed)
{
    return "The number of characters \"" + inputExcerpt(typed) + "\" is not a whole number above zero.";
}

std::string countTooLargeText(const std::string& typed)
{
    return "The number of characters \"" + inputExcerpt(typed) + "\" is too large.";
}

std::string pasteLeftOutText(std::int64_t count)
{
    const std::string left = count == 1 ? "1 byte did not fit before the end of the document and was"
                                        : std::to_string(count) +
                                              " bytes did not fit before the end of the document and were";
    return left + " left out. Turn on Edit, Insert Mode to paste them all.";
}
