#include "text/ByteTextCodec.h"

#include <limits>
#include <stdexcept>

namespace {

const char hexDigits[] = "0123456789abcdef";

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

constexpr int separator = -1;
constexpr int invalid = -2;

} // namespace

char characterForm(std::uint8_t byte)
{
    return byte >= 0x20 && byte <= 0x7E ? static_cast<char>(byte) : '.';
}

void formatHex(char* dest, const std::uint8_t* source, int count)
{
    char* out = dest;
    for (int i = 0; i < count; ++i) {
        const unsigned value = source[i];
        *out++ = hexDigits[value >> 4];
        *out++ = hexDigits[value & 0xF];
        *out++ = ' ';
    }
    *out = '\0';
}

void formatOctal(char* dest, const std::uint8_t* source, int count)
{
    char* out = dest;
    for (int i = 0; i < count; ++i) {
        const unsigned value = source[i];
        *out++ = static_cast<char>('0' + (value >> 6));
        *out++ = static_cast<char>('0' + ((value >> 3) & 7));
        *out++ = static_cast<char>('0' + (value & 7));
        *out++ = ' ';
    }
    *out = '\0';
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return isSeparator(c) ? separator : invalid;
}

int octalDigitValue(char c)
{
    if (c >= '0' && c <= '7') {
        return c - '0';
    }
    return isSeparator(c) ? separator : invalid;
}

int parseHex(std::uint8_t* dest, const char* source, int length)
{
    dest[0] = 0;
    int p = 0;
    int j = 0;
    bool bad = false;
    while (p < length) {
        const int d = hexDigitValue(source[p]);
        if (d == separator) {
            ++p;
        } else if (d == invalid) {
            bad = true;
            ++p;
        } else {
            // The partner of a digit at the very end is the terminator: invalid.
            const int e = hexDigitValue(source[p + 1]);
            int value = 0;
            if (e >= 0) {
                value = d * 16 + e;
            } else if (e == separator) {
                value = d;
            } else {
                bad = true;
            }
            dest[j++] = static_cast<std::uint8_t>(value);
            p += 2;
        }
        dest[j] = 0;
    }
    return bad ? 0 : j;
}

int parseOctal(std::uint8_t* dest, const char* source, int length)
{
    dest[0] = 0;
    int p = 0;
    int j = 0;
    bool bad = false;
    while (p < length) {
        const int a = octalDigitValue(source[p]);
        if (a == separator) {
            ++p;
            continue;
        }
        if (a == invalid) {
            bad = true;
            ++p;
            continue;
        }
        int value = a;
        const int b = octalDigitValue(source[p + 1]);
        if (b < 0) {
            bad = bad || b == invalid;
            p += 2;
        } else {
            // Only look past the second digit when it is not the terminator.
            const int c = octalDigitValue(source[p + 2]);
            if (c < 0) {
                value = a * 8 + b;
                bad = bad || c == invalid;
            } else {
                value = (a * 64 + b * 8 + c) & 0xFF;
            }
            p += 3;
        }
        dest[j++] = static_cast<std::uint8_t>(value);
    }
    dest[j] = 0;
    return bad ? 0 : j;
}

std::string numberText(const std::uint8_t* bytes, std::size_t count, bool octal)
{
    const std::size_t perByte = octal ? octalCellWidth : hexCellWidth;
    // In a 32-bit program a large selection's text would wrap the length around.
    if (count > static_cast<std::size_t>(std::numeric_limits<int>::max()) ||
        count > (std::string().max_size() - 1) / perByte) {
        throw std::length_error("numberText: too many bytes");
    }
    std::string text(perByte * count + 1, '\0');
    if (octal) {
        formatOctal(&text[0], bytes, static_cast<int>(count));
    } else {
        formatHex(&text[0], bytes, static_cast<int>(count));
    }
    text.pop_back(); // the terminator
    return text;
}

ParsedNumbers parseNumberText(std::string_view text, bool octal)
{
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() - 2)) {
        throw std::length_error("parseNumberText: text too long");
    }
    const std::string source(text); // the parsers read a terminated text
    const int length = static_cast<int>(source.size());
    ParsedNumbers parsed;
    parsed.area.assign(static_cast<std::size_t>(length) + 2, 0);
    parsed.count = octal ? parseOctal(parsed.area.data(), source.c_str(), length)
                         : parseHex(parsed.area.data(), source.c_str(), length);
    return parsed;
}
