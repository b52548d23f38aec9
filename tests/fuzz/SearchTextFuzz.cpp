// The Find dialog's text forms on any text: every conversion runs, the same
// form is left alone, parsed text converts to the canonical form of its
// bytes, and character text survives a trip through hex or octal and back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "commands/SearchText.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/NumberForm.h"

namespace {

constexpr SearchForm allForms[] = {SearchForm::hex, SearchForm::octal, SearchForm::ascii};
constexpr SearchForm numberForms[] = {SearchForm::hex, SearchForm::octal};

using Bytes = std::vector<std::uint8_t>;

std::string canonical(const Bytes& bytes, SearchForm form)
{
    return numberText(form == SearchForm::hex ? NumberForm::hex : NumberForm::octal, bytes.data(), bytes.size());
}

// The bytes as characters, as far as a text reaches: up to the first zero.
std::string asCharacters(const Bytes& bytes)
{
    std::string text;
    for (const std::uint8_t b : bytes) {
        if (b == 0) {
            break;
        }
        text += static_cast<char>(b);
    }
    return text;
}

bool holdsZero(const Bytes& bytes)
{
    for (const std::uint8_t b : bytes) {
        if (b == 0) {
            return true;
        }
    }
    return false;
}

void checkNumberText(const std::string& text, SearchForm from)
{
    const Bytes pattern = searchPattern(text, from);
    const std::string characters = convertSearchText(text, from, SearchForm::ascii);
    for (const SearchForm to : numberForms) {
        if (to == from) {
            continue;
        }
        const std::string converted = convertSearchText(text, from, to);
        check(converted == canonical(pattern, to), "number text converts to the form of its bytes, or to nothing");
        check(searchPattern(converted, to) == pattern, "converted number text searches for the same bytes");
    }
    if (pattern.empty()) {
        return; // the characters of a rejected text are what its parse got to
    }
    check(characters == asCharacters(pattern), "number text converts to its bytes as characters");
    if (!holdsZero(pattern)) {
        check(convertSearchText(characters, SearchForm::ascii, from) == canonical(pattern, from),
              "number text comes back from characters in its canonical form");
    }
}

void checkCharacterText(const std::string& text)
{
    const Bytes bytes(text.begin(), text.end());
    check(searchPattern(text, SearchForm::ascii) == bytes, "characters search for themselves");
    for (const SearchForm to : numberForms) {
        const std::string converted = convertSearchText(text, SearchForm::ascii, to);
        check(converted == canonical(bytes, to), "characters convert to the form of their bytes");
        check(searchPattern(converted, to) == bytes, "converted characters search for the same bytes");
        check(convertSearchText(converted, to, SearchForm::ascii) == asCharacters(bytes),
              "characters come back from hex or octal up to the first zero");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const SearchForm form : allForms) {
        check(convertSearchText(text, form, form) == text, "the same form leaves the text alone");
    }
    for (const SearchForm from : numberForms) {
        checkNumberText(text, from);
    }
    checkCharacterText(text);
    return 0;
}
