// The Find and Replace dialog's patterns and texts.
#include "commands/SearchPatterns.h"

#include <algorithm>
#include <cstdio>

#include "editor/StatusLine.h"

namespace {

constexpr unsigned lowByteMask = 0xFF;
constexpr unsigned bitsPerByte = 8;
constexpr std::size_t shownMatchBytes = 16;

std::uint8_t lowByte(char16_t unit)
{
    return static_cast<std::uint8_t>(unit & lowByteMask);
}

std::uint8_t highByte(char16_t unit)
{
    return static_cast<std::uint8_t>(unit >> bitsPerByte);
}

} // namespace

SearchPattern textPattern(const std::string& ansi, bool matchCase, const CaseFolding& folding)
{
    const std::vector<std::uint8_t> bytes(ansi.begin(), ansi.end());
    return matchCase ? exactPattern(bytes) : caselessPattern(bytes, folding);
}

SearchPattern utf16Pattern(const std::u16string& units, const std::u16string& otherCase, bool matchCase)
{
    SearchPattern pattern;
    pattern.reserve(2 * units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        const char16_t other = matchCase || i >= otherCase.size() ? unit : otherCase[i];
        const bool pairs = highByte(other) == highByte(unit);
        pattern.push_back({lowByte(unit), pairs ? lowByte(other) : lowByte(unit), false});
        pattern.push_back({highByte(unit), highByte(unit), false});
    }
    return pattern;
}

std::vector<std::uint8_t> utf16Bytes(const std::u16string& units)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(2 * units.size());
    for (const char16_t unit : units) {
        bytes.push_back(lowByte(unit));
        bytes.push_back(highByte(unit));
    }
    return bytes;
}

std::vector<std::uint8_t> patternBytes(const SearchPattern& pattern)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(pattern.size());
    for (const PatternByte& position : pattern) {
        bytes.push_back(position.value);
    }
    return bytes;
}

std::string replacedText(std::int64_t count)
{
    return "Replaced " + groupedDecimal(count) + (count == 1 ? " occurrence." : " occurrences.");
}

std::string matchesText(std::int64_t total, std::size_t listed)
{
    if (static_cast<std::int64_t>(listed) < total) {
        return "Showing the first " + groupedDecimal(static_cast<std::int64_t>(listed)) + " of " +
               groupedDecimal(total) + " matches.";
    }
    return groupedDecimal(total) + (total == 1 ? " match." : " matches.");
}

std::string matchBytesText(const std::uint8_t* bytes, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < std::min(count, shownMatchBytes); ++i) {
        char digits[4];
        std::snprintf(digits, sizeof digits, i == 0 ? "%02X" : " %02X", bytes[i]);
        text += digits;
    }
    return text;
}

std::string matchOffsetText(std::int64_t offset)
{
    return hexDigits(offset);
}
