#include "editor/Prompts.h"

#include "text/CodePoints.h"

namespace {

// A supplementary character's UTF-16 form: ten bits in each surrogate.
constexpr unsigned surrogateBits = 10;
constexpr char32_t lowSurrogateMask = (char32_t{1} << surrogateBits) - 1;

} // namespace

std::wstring wideFromUtf8(std::string_view text)
{
    std::wstring wide;
    wide.reserve(text.size());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    for (std::size_t at = 0; at < text.size();) {
        const DecodedCodePoint point = decodeUtf8(bytes + at, text.size() - at);
        const char32_t value = point.status == CodeStatus::valid ? point.value : U'\uFFFD';
        at += point.length > 0 ? point.length : 1;
        if constexpr (sizeof(wchar_t) == 2) {
            if (value >= firstSupplementary) {
                const char32_t offset = value - firstSupplementary;
                wide.push_back(static_cast<wchar_t>(firstHighSurrogate + (offset >> surrogateBits)));
                wide.push_back(static_cast<wchar_t>(firstLowSurrogate + (offset & lowSurrogateMask)));
                continue;
            }
        }
        wide.push_back(static_cast<wchar_t>(value));
    }
    return wide;
}

Message errorMessage(std::string_view utf8)
{
    return errorMessage(wideFromUtf8(utf8));
}

Message errorMessage(std::wstring text)
{
    return {Notice::error, std::move(text), L"Error"};
}

Message warningMessage(std::string_view utf8, std::string_view caption)
{
    return {Notice::warning, wideFromUtf8(utf8), wideFromUtf8(caption)};
}

Message informationMessage(std::string_view utf8, std::string_view caption)
{
    return {Notice::information, wideFromUtf8(utf8), wideFromUtf8(caption)};
}
