#include "commands/SearchText.h"

#include "editor/StatusLine.h"

namespace {

bool isOctal(SearchForm form)
{
    return form == SearchForm::octal;
}

} // namespace

std::string searchFieldFullText()
{
    return "The text was cut at " + groupedDecimal(searchFieldLimit) + " characters, the most a search field holds.";
}

std::string convertSearchText(const std::string& text, SearchForm from, SearchForm to)
{
    if (from == to) {
        return text;
    }
    if (from == SearchForm::ascii) {
        return numberText(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), isOctal(to));
    }
    const ParsedNumbers parsed = parseNumberText(text, isOctal(from));
    if (to == SearchForm::ascii) {
        return std::string(reinterpret_cast<const char*>(parsed.area.data())); // up to the first zero byte
    }
    return numberText(parsed.area.data(), static_cast<std::size_t>(parsed.count), isOctal(to));
}

std::vector<std::uint8_t> searchPattern(const std::string& text, SearchForm form)
{
    if (form == SearchForm::ascii) {
        return std::vector<std::uint8_t>(text.begin(), text.end());
    }
    ParsedNumbers parsed = parseNumberText(text, isOctal(form));
    parsed.area.resize(static_cast<std::size_t>(parsed.count));
    return parsed.area;
}
