// Text forms of bytes and the exact acceptance rules of the parsers.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/ByteTextCodec.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Formatter = void (*)(char*, const std::uint8_t*, int);
using Parser = int (*)(std::uint8_t*, const char*, int);

// Formats into a heap area of exactly the documented size, so the sanitizer
// catches a single byte written past it.
std::string format(Formatter formatter, int width, const Bytes& bytes)
{
    const std::size_t room = bytes.size() * static_cast<std::size_t>(width) + 1;
    std::unique_ptr<char[]> text(new char[room]);
    std::memset(text.get(), '?', room);
    formatter(text.get(), bytes.data(), static_cast<int>(bytes.size()));
    EXPECT_EQ(text[room - 1], '\0') << "not terminated right after the last group";
    return std::string(text.get());
}

struct Parsed {
    int result;
    Bytes area; // the whole destination, terminator and untouched room included
};

// Parses from a source of exactly length + 1 bytes into a destination of
// exactly (length + 1) / 2 + 1 bytes: a read past the terminator or a write
// past the room is a sanitizer error.
Parsed parse(Parser parser, const std::string& text)
{
    const std::size_t length = text.size();
    std::unique_ptr<char[]> source(new char[length + 1]);
    std::memcpy(source.get(), text.c_str(), length + 1);
    const std::size_t room = (length + 1) / 2 + 1;
    std::unique_ptr<std::uint8_t[]> dest(new std::uint8_t[room]);
    std::memset(dest.get(), 0xEE, room);
    const int result = parser(dest.get(), source.get(), static_cast<int>(length));
    return {result, Bytes(dest.get(), dest.get() + room)};
}

// What the parser leaves: the decoded bytes (also for a rejected text), then a 0 byte.
struct ParseCase {
    const char* text;
    int result;
    Bytes decoded;
};

void checkParse(Parser parser, const ParseCase& c)
{
    SCOPED_TRACE(std::string("text '") + c.text + "'");
    const Parsed parsed = parse(parser, c.text);
    EXPECT_EQ(parsed.result, c.result);
    ASSERT_LT(c.decoded.size(), parsed.area.size());
    EXPECT_EQ(Bytes(parsed.area.begin(), parsed.area.begin() + static_cast<std::ptrdiff_t>(c.decoded.size())),
              c.decoded);
    EXPECT_EQ(parsed.area[c.decoded.size()], 0) << "destination not terminated";
}

// --- Formatting ---

TEST(CodecFormat, HexIsTwoLowercaseDigitsAndASpace)
{
    EXPECT_EQ(format(formatHex, 3, {0x00, 0x0A, 0xFF}), "00 0a ff ");
    EXPECT_EQ(format(formatHex, 3, {0x0F, 0x10, 0xAB, 0x80}), "0f 10 ab 80 ");
}

TEST(CodecFormat, OctalIsThreeDigitsWithLeadingZerosAndASpace)
{
    EXPECT_EQ(format(formatOctal, 4, {0, 8, 64, 255}), "000 010 100 377 ");
    EXPECT_EQ(format(formatOctal, 4, {5, 7, 63, 128}), "005 007 077 200 ");
}

TEST(CodecFormat, NoBytesGiveTheEmptyTextOverWhateverWasThere)
{
    char text[8] = "junk";
    formatHex(text, nullptr, 0);
    EXPECT_STREQ(text, "");
    std::strcpy(text, "junk");
    formatOctal(text, nullptr, 0);
    EXPECT_STREQ(text, "");
}

TEST(CodecFormat, EveryByteValueMatchesThePrintfForms)
{
    Bytes all(256);
    std::string hex;
    std::string octal;
    for (int v = 0; v < 256; ++v) {
        all[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(v);
        char group[8];
        std::snprintf(group, sizeof group, "%02x ", static_cast<unsigned>(v));
        hex += group;
        std::snprintf(group, sizeof group, "%03o ", static_cast<unsigned>(v));
        octal += group;
    }
    EXPECT_EQ(format(formatHex, 3, all), hex);
    EXPECT_EQ(format(formatOctal, 4, all), octal);
}

// --- Character classes ---

TEST(CodecClassify, EveryCharacterFallsInExactlyItsClass)
{
    const std::string hexDigits = "0123456789abcdef";
    const std::string upperHex = "0123456789ABCDEF";
    const std::string separators = " \t\n\r";
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        SCOPED_TRACE(code);
        int hexExpected = -2;
        if (separators.find(c) != std::string::npos) {
            hexExpected = -1;
        } else if (hexDigits.find(c) != std::string::npos) {
            hexExpected = static_cast<int>(hexDigits.find(c));
        } else if (upperHex.find(c) != std::string::npos) {
            hexExpected = static_cast<int>(upperHex.find(c));
        }
        // Octal: the same separators, only '0'..'7' as digits; NUL, '8', '9' and the rest invalid.
        int octalExpected = hexExpected == -1 ? -1 : -2;
        if (code >= '0' && code <= '7') {
            octalExpected = code - '0';
        }
        EXPECT_EQ(hexDigitValue(c), hexExpected);
        EXPECT_EQ(octalDigitValue(c), octalExpected);
    }
}

// --- Hexadecimal parsing ---

TEST(CodecParseHex, AcceptedTexts)
{
    const ParseCase cases[] = {
        {"0A fF", 2, {0x0A, 0xFF}},
        {"0aff", 2, {0x0A, 0xFF}},       // pairs need no separator
        {"1234", 2, {0x12, 0x34}},
        {"a b ", 2, {0x0A, 0x0B}},       // a single digit ended by a separator
        {"12\r\n34\r\n", 2, {0x12, 0x34}},
        {"1\t2\n3\r", 3, {0x01, 0x02, 0x03}},
        {"123 ", 2, {0x12, 0x03}},
        {"  ff  00", 2, {0xFF, 0x00}},
        {"00", 1, {0x00}},               // a zero byte still counts
    };
    for (const ParseCase& c : cases) {
        checkParse(parseHex, c);
    }
}

TEST(CodecParseHex, RejectedTextsKeepWhatWasDecodedAndStayTerminated)
{
    const ParseCase cases[] = {
        {"a b", 0, {0x0A, 0x00}},        // last digit's partner is the terminator
        {"a", 0, {0x00}},
        {"123", 0, {0x12, 0x00}},        // odd run of digits
        {"12 3", 0, {0x12, 0x00}},
        {"0x12", 0, {0x00, 0x12}},       // 'x' spoils its group, which leaves 0
        {"12,34", 0, {0x12, 0x34}},
        {"12 34 !", 0, {0x12, 0x34}},    // one invalid character anywhere
        {"!12 34 ", 0, {0x12, 0x34}},
        {"-1 ", 0, {0x01}},
        {"g0 ", 0, {0x00}},
    };
    for (const ParseCase& c : cases) {
        checkParse(parseHex, c);
    }
}

TEST(CodecParseHex, TextWithoutDigitsGivesNothing)
{
    for (const char* text : {"", " ", "   ", "\r\n", "\r\n\r\n", "\t \n"}) {
        checkParse(parseHex, {text, 0, {}});
    }
}

// --- Octal parsing ---

TEST(CodecParseOctal, AcceptedTexts)
{
    const ParseCase cases[] = {
        {"101 102 ", 2, {65, 66}},
        {"101 102", 2, {65, 66}},        // a full last group needs no separator
        {"12 3 ", 2, {10, 3}},
        {"777 ", 1, {0xFF}},             // low eight bits of a group above 377
        {"777", 1, {0xFF}},
        {"400 ", 1, {0x00}},
        {"477 ", 1, {0x3F}},
        {"1234 ", 2, {83, 4}},           // a group ends at three digits
        {"1\r\n2\r\n", 2, {1, 2}},
        {"000\t377\n", 2, {0, 255}},
    };
    for (const ParseCase& c : cases) {
        checkParse(parseOctal, c);
    }
}

TEST(CodecParseOctal, RejectedTextsKeepWhatWasDecodedAndStayTerminated)
{
    const ParseCase cases[] = {
        {"12", 0, {10}},                 // cut short by the end of the text
        {"7", 0, {7}},
        {"101 1", 0, {65, 1}},
        {"8 ", 0, {}},
        {"9", 0, {}},
        {"1x ", 0, {1}},                 // the digits before the invalid character
        {"12x ", 0, {10}},
        {"101 102 a", 0, {65, 66}},
        {"0aff", 0, {0}},
    };
    for (const ParseCase& c : cases) {
        checkParse(parseOctal, c);
    }
}

TEST(CodecParseOctal, TextWithoutDigitsGivesNothing)
{
    for (const char* text : {"", " ", "   ", "\r\n", "\n\r\t "}) {
        checkParse(parseOctal, {text, 0, {}});
    }
}

// --- Both ways ---

TEST(CodecRoundTrip, EveryByteValueParsesBackInBothForms)
{
    Bytes all(256);
    for (std::size_t v = 0; v < all.size(); ++v) {
        all[v] = static_cast<std::uint8_t>(v);
    }
    struct Form {
        Formatter formatter;
        int width;
        Parser parser;
    };
    for (const Form form : {Form{formatHex, 3, parseHex}, Form{formatOctal, 4, parseOctal}}) {
        SCOPED_TRACE(form.width);
        const Parsed whole = parse(form.parser, format(form.formatter, form.width, all));
        ASSERT_EQ(whole.result, 256);
        EXPECT_EQ(Bytes(whole.area.begin(), whole.area.begin() + 256), all);
        EXPECT_EQ(whole.area[256], 0);
        for (const std::uint8_t byte : all) {
            const Parsed one = parse(form.parser, format(form.formatter, form.width, {byte}));
            ASSERT_EQ(one.result, 1) << static_cast<int>(byte);
            EXPECT_EQ(one.area[0], byte);
            EXPECT_EQ(one.area[1], 0);
        }
    }
}

TEST(CodecRoundTrip, StringFormsAgreeWithTheAreaFormsAndRefuseTextsTooLongToHold)
{
    const Bytes bytes{0x00, 0x41, 0xff};
    for (const bool octal : {false, true}) {
        SCOPED_TRACE(octal);
        const std::string text = numberText(bytes.data(), bytes.size(), octal);
        EXPECT_EQ(text, octal ? "000 101 377 " : "00 41 ff ");
        const ParsedNumbers parsed = parseNumberText(text, octal);
        ASSERT_EQ(parsed.count, 3);
        EXPECT_EQ(Bytes(parsed.area.begin(), parsed.area.begin() + 3), bytes);
        // A count whose text length would wrap around is refused before any byte is read.
        EXPECT_THROW(numberText(nullptr, std::numeric_limits<std::size_t>::max() / 3, octal), std::length_error);
    }
}

} // namespace
