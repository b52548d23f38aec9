#include "structure/TextConverter.h"

#include "structure/DataError.h"

#include <cctype>
#include <cstdint>

namespace structure {

namespace {

constexpr std::uint32_t replacement = 0xFFFD;
constexpr std::uint32_t maxCodePoint = 0x10FFFF;
constexpr std::uint32_t highSurrogateFirst = 0xD800;
constexpr std::uint32_t lowSurrogateFirst = 0xDC00;
constexpr std::uint32_t surrogateEnd = 0xE000;
constexpr std::uint32_t supplementaryFirst = 0x10000;
constexpr unsigned surrogateBits = 10;

} // namespace

void appendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < supplementaryFirst) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

namespace {

std::string decodeAscii(const std::string& bytes)
{
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        appendUtf8(out, b < 0x80 ? b : replacement);
    }
    return out;
}

// Well-formed UTF-8 passes through; each bad sequence becomes U+FFFD.
std::string decodeUtf8(const std::string& bytes)
{
    std::string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
        std::uint32_t code = extra == 0 ? b : extra == 1 ? (b & 0x1Fu) : extra == 2 ? (b & 0x0Fu) : (b & 0x07u);
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < bytes.size() + (extra == 0 ? 1 : 0);
        for (int k = 1; ok && k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            ok = (c & 0xC0) == 0x80;
            code = (code << 6) | (c & 0x3Fu);
        }
        static const std::uint32_t leastForLength[] = {0, 0x80, 0x800, supplementaryFirst};
        ok = ok && code >= leastForLength[extra < 0 ? 0 : extra] && code <= maxCodePoint &&
             !(code >= highSurrogateFirst && code < surrogateEnd);
        if (ok) {
            appendUtf8(out, code);
            i += static_cast<std::size_t>(extra) + 1;
        } else {
            appendUtf8(out, replacement);
            ++i;
        }
    }
    return out;
}

std::string decodeUtf16(const std::string& bytes, bool littleEndian)
{
    std::string out;
    auto unit = [&](std::size_t at) {
        const auto a = static_cast<unsigned char>(bytes[at]);
        const auto b = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<std::uint32_t>(littleEndian ? (b << 8) | a : (a << 8) | b);
    };
    std::size_t i = 0;
    while (i + 1 < bytes.size()) {
        const std::uint32_t u = unit(i);
        i += 2;
        if (u >= highSurrogateFirst && u < lowSurrogateFirst && i + 1 < bytes.size()) {
            const std::uint32_t low = unit(i);
            if (low >= lowSurrogateFirst && low < surrogateEnd) {
                i += 2;
                appendUtf8(out, supplementaryFirst + ((u - highSurrogateFirst) << surrogateBits) +
                                    (low - lowSurrogateFirst));
                continue;
            }
        }
        appendUtf8(out, u >= highSurrogateFirst && u < surrogateEnd ? replacement : u);
    }
    if (i < bytes.size()) {
        appendUtf8(out, replacement); // an odd byte at the end
    }
    return out;
}

} // namespace

std::string foldEncodingName(const std::string& name)
{
    std::string out;
    for (char c : name) {
        if (c != '-' && c != '_' && c != ' ') {
            out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return out;
}

std::string decodeText(const std::string& encoding, const std::string& bytes, const TextConverter& converter)
{
    const std::string folded = foldEncodingName(encoding);
    if (folded == "ASCII" || folded == "USASCII") {
        return decodeAscii(bytes);
    }
    if (folded == "UTF8") {
        return decodeUtf8(bytes);
    }
    if (folded == "UTF16LE") {
        return decodeUtf16(bytes, true);
    }
    if (folded == "UTF16BE") {
        return decodeUtf16(bytes, false);
    }
    std::string out;
    if (converter.toUtf8(encoding, bytes, out)) {
        return decodeUtf8(out);
    }
    throw DataError("unknown text encoding '" + encoding + "'");
}

} // namespace structure
