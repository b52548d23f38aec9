#include "commands/SearchText.h"

#include <algorithm>
#include <limits>

#include "view/ByteTextCodec.h"

namespace {

struct Parsed {
    std::vector<std::uint8_t> area; // what the parser wrote, terminated
    int count = 0;                  // 0 when the text does not parse
};

Parsed parse(const std::string& text, SearchForm form)
{
    Parsed parsed;
    // The dialog reads a line of a few hundred characters at most.
    const int length = static_cast<int>(std::min<std::size_t>(text.size(), std::numeric_limits<int>::max() / 2));
    parsed.area.assign(static_cast<std::size_t>(length) + 2, 0);
    parsed.count = form == SearchForm::octal ? parseOctal(parsed.area.data(), text.c_str(), length)
                                             : parseHex(parsed.area.data(), text.c_str(), length);
    return parsed;
}

std::string format(const std::uint8_t* bytes, int count, SearchForm form)
{
    const std::size_t perByte = form == SearchForm::octal ? 4 : 3;
    std::string text(perByte * static_cast<std::size_t>(count) + 1, '\0');
    if (form == SearchForm::octal) {
        formatOctal(&text[0], bytes, count);
    } else {
        formatHex(&text[0], bytes, count);
    }
    text.pop_back();
    return text;
}

} // namespace

std::string convertSearchText(const std::string& text, SearchForm from, SearchForm to)
{
    if (from == to) {
        return text;
    }
    if (from == SearchForm::ascii) {
        return format(reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<int>(text.size()), to);
    }
    const Parsed parsed = parse(text, from);
    if (to == SearchForm::ascii) {
        return std::string(reinterpret_cast<const char*>(parsed.area.data())); // up to the first zero byte
    }
    return format(parsed.area.data(), parsed.count, to);
}

std::vector<std::uint8_t> searchPattern(const std::string& text, SearchForm form)
{
    if (form == SearchForm::ascii) {
        return std::vector<std::uint8_t>(text.begin(), text.end());
    }
    Parsed parsed = parse(text, form);
    parsed.area.resize(static_cast<std::size_t>(parsed.count));
    return parsed.area;
}
