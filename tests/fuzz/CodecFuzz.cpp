// parseHex and parseOctal on any text: they stay within the destination's
// documented size, agree with a plain reading of the group rule, and read
// back what the formatters write.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/NumberForm.h"
#include "text/ByteTextCodec.h"

namespace {

constexpr int hexGroupWidth = 2;
constexpr int octalGroupWidth = 3;
constexpr int hexBase = 16;
constexpr int octalBase = 8;
constexpr unsigned byteMask = 0xFF;

// The text as the parsers get it: exactly its characters and a NUL on the
// heap, so that ASan sees a read past the terminator.
std::vector<char> terminated(const std::uint8_t* data, std::size_t size)
{
    std::vector<char> text(size + 1, '\0');
    if (size > 0) {
        std::memcpy(text.data(), data, size);
    }
    return text;
}

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The digit's value, or -1 for anything that is not a digit of the form.
int digitOf(NumberForm form, char c)
{
    if (c >= '0' && c <= '7') {
        return c - '0';
    }
    if (form == NumberForm::octal) {
        return -1;
    }
    if (c == '8' || c == '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

struct Reading {
    std::vector<std::uint8_t> bytes; // every group's byte, also in a rejected text
    bool valid = true;
};

// Groups of up to two (hex) or three (octal) digits; a group cut short is
// ended by the character after it, which it consumes and which must be a
// separator (the terminator is not one).
Reading readGroups(NumberForm form, const char* text, int length)
{
    const int width = form == NumberForm::hex ? hexGroupWidth : octalGroupWidth;
    const int base = form == NumberForm::hex ? hexBase : octalBase;
    const auto at = [&](int k) { return k < length ? text[k] : '\0'; };
    Reading reading;
    int i = 0;
    while (i < length) {
        const char c = at(i);
        if (isSeparator(c)) {
            ++i;
            continue;
        }
        if (digitOf(form, c) < 0) {
            reading.valid = false;
            ++i;
            continue;
        }
        int value = 0;
        int digits = 0;
        while (digits < width && digitOf(form, at(i + digits)) >= 0) {
            value = value * base + digitOf(form, at(i + digits));
            ++digits;
        }
        int consumed = width;
        if (digits < width) {
            const bool endedBySeparator = isSeparator(at(i + digits));
            reading.valid = reading.valid && endedBySeparator;
            if (form == NumberForm::hex && !endedBySeparator) {
                value = 0; // a hex group with a bad partner leaves a zero byte
            }
            consumed = digits + 1;
        }
        reading.bytes.push_back(static_cast<std::uint8_t>(static_cast<unsigned>(value) & byteMask));
        i += consumed;
    }
    return reading;
}

int parse(NumberForm form, std::uint8_t* dest, const char* source, int length)
{
    return form == NumberForm::hex ? parseHex(dest, source, length) : parseOctal(dest, source, length);
}

// The room the parsers are documented to need: exactly that, on the heap.
std::vector<std::uint8_t> parseDestination(int length)
{
    return std::vector<std::uint8_t>(static_cast<std::size_t>((length + 1) / 2 + 1), 0xAA);
}

// Formatting the bytes gives the hand-written form, which parses back to them.
void checkFormatRoundTrip(NumberForm form, const std::uint8_t* bytes, std::size_t count)
{
    const std::size_t perByte = form == NumberForm::hex ? 3 : 4;
    std::vector<char> text(perByte * count + 1, 'x');
    const int n = static_cast<int>(count);
    if (form == NumberForm::hex) {
        formatHex(text.data(), bytes, n);
    } else {
        formatOctal(text.data(), bytes, n);
    }
    check(std::string(text.data()) == numberText(form, bytes, count), "the formatter writes the text form");
    const int length = static_cast<int>(perByte * count);
    std::vector<std::uint8_t> parsed = parseDestination(length);
    check(parse(form, parsed.data(), text.data(), length) == n, "formatted text parses to its byte count");
    check(count == 0 || std::memcmp(parsed.data(), bytes, count) == 0, "formatted text parses to its bytes");
}

void checkParse(NumberForm form, const std::vector<char>& text)
{
    const int length = static_cast<int>(text.size() - 1);
    std::vector<std::uint8_t> dest = parseDestination(length);
    const int count = parse(form, dest.data(), text.data(), length);

    const Reading reading = readGroups(form, text.data(), length);
    const std::size_t read = reading.bytes.size();
    check(read + 1 <= dest.size(), "the group rule fits the documented room");
    const int expected = reading.valid ? static_cast<int>(read) : 0;
    check(count == expected, "the result is the byte count, or 0 for a rejected or empty text");
    check(read == 0 || std::memcmp(dest.data(), reading.bytes.data(), read) == 0,
          "the destination holds the groups' bytes");
    check(dest[read] == 0, "the bytes are terminated");
    if (count > 0) {
        checkFormatRoundTrip(form, dest.data(), static_cast<std::size_t>(count));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<char> text = terminated(data, size);
    checkParse(NumberForm::hex, text);
    checkParse(NumberForm::octal, text);
    checkFormatRoundTrip(NumberForm::hex, data, size);
    checkFormatRoundTrip(NumberForm::octal, data, size);
    return 0;
}
