#include "commands/OffsetText.h"

#include <cctype>

#include "editor/StatusLine.h"
#include "text/InputExcerpt.h"

namespace {

// Past the largest document: larger numbers are held here, never wrapped.
constexpr std::int64_t pastAnyDocument = std::int64_t{1} << 40;

int digitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

} // namespace

OffsetText parseOffset(const std::string& text)
{
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && std::isspace(static_cast<unsigned char>(text[first])) != 0) {
        ++first;
    }
    while (end > first && std::isspace(static_cast<unsigned char>(text[end - 1])) != 0) {
        --end;
    }
    int base = 16;
    if (first < end && text[first] == '#') {
        base = 10;
        ++first;
    } else if (end - first > 2 && text[first] == '0' && (text[first + 1] == 'x' || text[first + 1] == 'X')) {
        first += 2;
    }
    OffsetText offset;
    if (first == end) {
        return offset;
    }
    for (std::size_t i = first; i < end; ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0) {
            return offset;
        }
        offset.value = offset.value < pastAnyDocument ? offset.value * base + digit : pastAnyDocument;
    }
    offset.valid = true;
    return offset;
}

OffsetChoice chooseOffset(const std::string& typed, std::int64_t size)
{
    const OffsetText offset = parseOffset(typed);
    if (!offset.valid) {
        return {0, "\"" + inputExcerpt(typed) +
                       "\" is not an offset: type it in hexadecimal, or # and a decimal number."};
    }
    if (offset.value > size) {
        return {0, "Offset \"" + inputExcerpt(typed) + "\" is past the end of the document, which ends at " +
                       hexDigits(size) + "."};
    }
    return {offset.value, {}};
}
