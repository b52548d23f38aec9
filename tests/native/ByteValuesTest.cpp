// The data inspector's rows: the text of the bytes at the cursor, and typed text back to bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "text/ByteValues.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using T = ValueType;

// The bytes of a value written in one byte order; a DOS value is the date word
// above the time word, and the time word comes first in memory.
Bytes ordered(T type, std::uint64_t value, bool bigEndian)
{
    const std::size_t size = valueSize(type);
    const std::size_t word = type == T::DosDateTime ? 2 : size;
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t inWord = i % word;
        bytes[i - inWord + (bigEndian ? word - 1 - inWord : inWord)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return bytes;
}

// Formats from a buffer of exactly the given bytes, so a read past them is a sanitizer error.
std::string text(T type, const Bytes& bytes, bool bigEndian)
{
    const std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    return valueText(type, exact.get(), bytes.size(), bigEndian);
}

// Values that read the same in both byte orders once written in that order.
struct ValueCase {
    T type;
    std::uint64_t value;
    const char* text;
};
const ValueCase valueCases[] = {
    {T::Binary, 0x4D, "01001101"}, {T::Int8, 0x80, "-128"}, {T::Int8, 0x7F, "127"}, {T::UInt8, 0xFF, "255"},
    {T::Int16, 0x8000, "-32768"}, {T::Int16, 0x1234, "4660"}, {T::UInt16, 0xFFFF, "65535"},
    {T::Int32, 0x80000000, "-2147483648"}, {T::UInt32, 0xFFFFFFFF, "4294967295"},
    {T::Int64, 0x8000000000000000, "-9223372036854775808"}, {T::Int64, ~0ULL, "-1"},
    {T::UInt64, ~0ULL, "18446744073709551615"},
    {T::Float32, 0x3F800000, "1"}, {T::Float32, 0x00000001, "1e-45"}, {T::Float32, 0x7F7FFFFF, "3.4028235e+38"},
    {T::Float32, 0x7F800000, "Infinity"}, {T::Float32, 0xFF800000, "-Infinity"}, {T::Float32, 0x7FC00000, "NaN"},
    {T::Float64, 0x3FB999999999999A, "0.1"}, {T::Float64, 0x1, "5e-324"},
    {T::Float64, 0x000FFFFFFFFFFFFF, "2.225073858507201e-308"}, {T::Float64, 0xFFF0000000000000, "-Infinity"},
    {T::Float64, 0x7FF8000000000000, "NaN"}, {T::Float64, 0xFFF8000000000001, "NaN"},
    {T::UnixTime32, 0, "1970-01-01 00:00:00"}, {T::UnixTime32, 0x7FFFFFFF, "2038-01-19 03:14:07"},
    {T::UnixTime32, 0x80000000, "1901-12-13 20:45:52"}, {T::UnixTime32, 0xFFFFFFFF, "1969-12-31 23:59:59"},
    {T::UnixTime64, 951782400, "2000-02-29 00:00:00"}, {T::UnixTime64, 4102444800, "2100-01-01 00:00:00"},
    {T::UnixTime64, 253402300799, "9999-12-31 23:59:59"}, {T::UnixTime64, 253402300800, "invalid"},
    {T::UnixTime64, static_cast<std::uint64_t>(-62135596800), "0001-01-01 00:00:00"},
    {T::UnixTime64, static_cast<std::uint64_t>(-62135596801), "invalid"},
    {T::UnixTime64, std::uint64_t{1} << 63, "invalid"}, // the earliest second: no overflow on the way
    {T::FileTime, 0, "1601-01-01 00:00:00.0000000"}, {T::FileTime, 116444736000000001, "1970-01-01 00:00:00.0000001"},
    {T::FileTime, 2650467743999999999, "9999-12-31 23:59:59.9999999"}, {T::FileTime, 2650467744000000000, "invalid"},
    {T::FileTime, 0x8000000000000000, "invalid"},
    {T::DosDateTime, 0x585D6DAF, "2024-02-29 13:45:30"}, {T::DosDateTime, 0xFF9FBF7D, "2107-12-31 23:59:58"},
    {T::DosDateTime, 0x0021001D, "1980-01-01 00:00:58"}, {T::DosDateTime, 0x565D0000, "invalid"}, // 2023-02-29
    {T::DosDateTime, 0x01A10000, "invalid"}, {T::DosDateTime, 0x00200000, "invalid"}, // month 13, day 0
    {T::DosDateTime, 0x0021C000, "invalid"}, {T::DosDateTime, 0x00210780, "invalid"}, // hour 24, minute 60
    {T::DosDateTime, 0x0021001E, "invalid"},                                          // second 60
};

// Bytes whose text depends on the byte order, or on how many of them there are.
struct BytesCase {
    T type;
    Bytes bytes;
    const char* little;
    const char* big;
};
const BytesCase bytesCases[] = {
    {T::Guid, {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF},
     "{33221100-5544-7766-8899-AABBCCDDEEFF}", "{00112233-4455-6677-8899-AABBCCDDEEFF}"},
    {T::Character, {0x41}, "A", "A"}, {T::Character, {0xE9}, "\xE9", "\xE9"},
    {T::Character, {0x00}, ".", "."}, {T::Character, {0x7F}, ".", "."},
    {T::Utf8, {0x41}, "U+0041 A", "U+0041 A"}, {T::Utf8, {0x0A}, "U+000A", "U+000A"},
    {T::Utf8, {0xE2, 0x82, 0xAC}, "U+20AC \u20AC", "U+20AC \u20AC"},
    {T::Utf8, {0xF0, 0x9F, 0x98, 0x80}, "U+1F600 \U0001F600", "U+1F600 \U0001F600"},
    {T::Utf8, {0x80, 0x41}, "invalid", "invalid"}, {T::Utf8, {0xC0, 0x80}, "invalid", "invalid"},       // lead, overlong
    {T::Utf8, {0xED, 0xA0, 0x80}, "invalid", "invalid"}, {T::Utf8, {0xE2, 0x41, 0x41}, "invalid", "invalid"},
    {T::Utf8, {0xF4, 0x90, 0x80, 0x80}, "invalid", "invalid"}, {T::Utf8, {0xE2, 0x82}, "-", "-"},
    {T::Utf16, {0x41, 0x00}, "U+0041 A", "U+4100 \u4100"},
    {T::Utf16, {0x3D, 0xD8, 0x00, 0xDE}, "U+1F600 \U0001F600", "U+3DD8 \u3DD8"},
    {T::Utf16, {0x00, 0xDC}, "invalid", "U+00DC \u00DC"}, {T::Utf16, {0x3D, 0xD8, 0x41, 0x00}, "invalid", "U+3DD8 \u3DD8"},
    {T::Utf16, {0x3D, 0xD8}, "-", "U+3DD8 \u3DD8"}, {T::Int16, {0x34}, "-", "-"}, {T::Guid, {}, "-", "-"},
};

bool showsValue(const std::string& shown)
{
    return shown != "invalid" && shown != "-" && shown != ".";
}

TEST(ByteValues, NamesInRowOrder)
{
    const char* names[] = {"Binary", "Int8", "UInt8", "Int16", "UInt16", "Int32", "UInt32", "Int64", "UInt64", "Float32",
                           "Float64", "Character", "UTF-8", "UTF-16", "Unix time (32-bit)", "Unix time (64-bit)",
                           "FILETIME", "DOS date and time", "GUID"};
    ASSERT_EQ(std::size(names), static_cast<std::size_t>(valueTypeCount));
    for (int i = 0; i < valueTypeCount; ++i) {
        EXPECT_STREQ(valueTypeName(static_cast<T>(i)), names[i]);
    }
}

TEST(ByteValues, FormatsAndReadsBackValuesInBothOrders)
{
    for (const ValueCase& c : valueCases) {
        for (const bool big : {false, true}) {
            SCOPED_TRACE(std::string(valueTypeName(c.type)) + " " + c.text + (big ? " big" : " little"));
            const Bytes bytes = ordered(c.type, c.value, big);
            EXPECT_EQ(text(c.type, bytes, big), c.text);
            EXPECT_EQ(text(c.type, Bytes(bytes.begin(), bytes.end() - 1), big), "-");
            const ParsedValue parsed = parseValue(c.type, c.text, big);
            if (!showsValue(c.text)) {
                EXPECT_FALSE(parsed.valid());
            } else if (std::string(c.text) != "NaN") { // every NaN reads back as the quiet one
                EXPECT_EQ(parsed.bytes, bytes) << parsed.error;
            }
        }
    }
}

TEST(ByteValues, FormatsAndReadsBackOrderedBytes)
{
    for (const BytesCase& c : bytesCases) {
        for (const bool big : {false, true}) {
            const std::string shown = big ? c.big : c.little;
            SCOPED_TRACE(std::string(valueTypeName(c.type)) + " " + shown + (big ? " big" : " little"));
            EXPECT_EQ(text(c.type, c.bytes, big), shown);
            if (showsValue(shown)) {
                const ParsedValue parsed = parseValue(c.type, shown, big);
                ASSERT_TRUE(parsed.valid()) << parsed.error;
                EXPECT_EQ(parsed.bytes, Bytes(c.bytes.begin(), c.bytes.begin() + static_cast<std::ptrdiff_t>(parsed.bytes.size())));
            }
        }
    }
}

TEST(ByteValues, ReadsOtherAcceptedForms)
{
    const struct {
        T type;
        const char* text;
        bool big;
        Bytes bytes;
    } cases[] = {
        {T::Int8, "0xFF", false, {0xFF}}, {T::UInt32, " 0x10 ", false, {0x10, 0, 0, 0}}, {T::Int16, "-2", true, {0xFF, 0xFE}},
        {T::Float32, "NaN", false, {0, 0, 0xC0, 0x7F}}, {T::Float64, "-inf", true, {0xFF, 0xF0, 0, 0, 0, 0, 0, 0}}, {T::Float32, "2.5e0", true, {0x40, 0x20, 0, 0}},
        {T::Utf8, "\u20AC", false, {0xE2, 0x82, 0xAC}}, {T::Utf16, "u+1f600", true, {0xD8, 0x3D, 0xDE, 0x00}},
        {T::FileTime, "1601-01-01 00:00:00.5", false, {0x40, 0x4B, 0x4C, 0, 0, 0, 0, 0}},
        {T::Guid, "00112233-4455-6677-8899-aabbccddeeff", true,
         {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF}},
    };
    for (const auto& c : cases) {
        const ParsedValue parsed = parseValue(c.type, c.text, c.big);
        EXPECT_EQ(parsed.bytes, c.bytes) << c.text << ": " << parsed.error;
    }
}

TEST(ByteValues, RejectsWithTheRangeOrForm)
{
    const struct {
        T type;
        const char* text;
        const char* error;
    } cases[] = {
        {T::Int16, "70000", "70000 is not a valid Int16 value (-32768 to 32767)."},
        {T::UInt8, "-1", "-1 is not a valid UInt8 value (0 to 255)."},
        {T::Int8, "0x100", "0x100 is not a valid Int8 value (-128 to 127)."},
        {T::Int64, "9223372036854775808", "9223372036854775808 is not a valid Int64 value (-9223372036854775808 to 9223372036854775807)."},
        {T::UInt64, "0x10000000000000000", "0x10000000000000000 is not a valid UInt64 value (0 to 18446744073709551615)."},
        {T::Int32, "12a", "12a is not a valid Int32 value (-2147483648 to 2147483647)."},
        {T::Float32, "1e39", "1e39 is not a valid Float32 value."},
        {T::Binary, "0101010", "0101010 is not a valid Binary value (8 binary digits)."},
        {T::Character, "AB", "AB is not a valid Character value (one character)."},
        {T::Utf8, "U+D800", "U+D800 is not a valid UTF-8 value (U+XXXX or one character)."},
        {T::Utf16, "U+110000", "U+110000 is not a valid UTF-16 value (U+XXXX or one character)."},
        {T::UnixTime32, "2038-01-19 03:14:08",
         "2038-01-19 03:14:08 is not a valid Unix time (32-bit) value (1901-12-13 20:45:52 to 2038-01-19 03:14:07)."},
        {T::UnixTime64, "2023-02-29 00:00:00", "2023-02-29 00:00:00 is not a valid Unix time (64-bit) value (YYYY-MM-DD hh:mm:ss)."},
        {T::FileTime, "1600-12-31 23:59:59", "1600-12-31 23:59:59 is not a valid FILETIME value (YYYY-MM-DD hh:mm:ss.fffffff)."},
        {T::DosDateTime, "1980-01-01 00:00:01",
         "1980-01-01 00:00:01 is not a valid DOS date and time value (YYYY-MM-DD hh:mm:ss, years 1980 to 2107, even seconds)."},
        {T::Guid, "{00112233-4455-6677-8899-AABBCCDDEEF}",
         "{00112233-4455-6677-8899-AABBCCDDEEF} is not a valid GUID value ({XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX})."},
    };
    for (const auto& c : cases) {
        const ParsedValue parsed = parseValue(c.type, c.text, false);
        EXPECT_EQ(parsed.error, c.error);
        EXPECT_TRUE(parsed.bytes.empty()) << c.text;
    }
}

TEST(ByteValues, SizesAtTheCursorAndTheShortfallText)
{
    const Bytes euro = {0xE2, 0x82, 0xAC};
    EXPECT_EQ(valueSize(T::Utf8, euro.data(), euro.size(), false), 3U);
    EXPECT_EQ(valueSize(T::Utf8, euro.data() + 1, 2, false), 1U);
    const Bytes pair = {0x3D, 0xD8, 0x00, 0xDE};
    EXPECT_EQ(valueSize(T::Utf16, pair.data(), pair.size(), false), 4U);
    EXPECT_EQ(valueSize(T::Utf16, pair.data(), pair.size(), true), 2U);
    EXPECT_EQ(notEnoughBytesText(T::Float64), "Not enough bytes at this offset for a Float64.");
    EXPECT_EQ(notEnoughBytesText(T::Int8), "Not enough bytes at this offset for an Int8.");
}

} // namespace
