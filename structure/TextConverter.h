#pragma once
// Decodes text in code pages the engine does not handle itself (ISO-8859-x,
// windows-125x, CP437, Shift_JIS, ...). The platform implements it: iconv
// natively, MultiByteToWideChar on Windows.
#include <cstdint>
#include <string>

namespace structure {

class TextConverter {
public:
    virtual ~TextConverter() = default;
    // Decodes `bytes` in `encoding` (as the definition names it) to UTF-8;
    // false when the encoding is unknown to the platform.
    virtual bool toUtf8(const std::string& encoding, const std::string& bytes, std::string& out) const = 0;
};

// ASCII, UTF-8 and UTF-16LE/BE here; everything else through `converter`.
// Throws DataError for an encoding neither knows.
std::string decodeText(const std::string& encoding, const std::string& bytes, const TextConverter& converter);

// `code` (at most U+10FFFF) appended as UTF-8.
void appendUtf8(std::string& out, std::uint32_t code);

// The encoding's name folded for comparison: upper case, no '-' or '_'.
std::string foldEncodingName(const std::string& name);

} // namespace structure
