#include "text/InputExcerpt.h"

namespace {

constexpr char ellipsis[] = "\xE2\x80\xA6"; // U+2026 in UTF-8

// A byte that goes on a character begun before it (10xxxxxx).
bool continuesCharacter(char byte)
{
    constexpr unsigned continuationMask = 0xC0;
    constexpr unsigned continuationBits = 0x80;
    return (static_cast<unsigned char>(byte) & continuationMask) == continuationBits;
}

} // namespace

std::string inputExcerpt(std::string_view typed)
{
    std::size_t characters = 0;
    std::size_t cut = typed.size();
    for (std::size_t at = 0; at < typed.size(); ++at) {
        if (!continuesCharacter(typed[at]) && characters++ == inputExcerptCharacters) {
            cut = at;
            break;
        }
    }
    std::string text(typed.substr(0, cut));
    return cut < typed.size() ? text + ellipsis : text;
}
