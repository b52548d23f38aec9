#pragma once
// What the bytes at the cursor mean as numbers, characters, times and a GUID,
// shown as text; and the text typed for one of them turned back into bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The rows, in the order they are shown.
enum class ValueType {
    Binary,
    Int8,
    UInt8,
    Int16,
    UInt16,
    Int32,
    UInt32,
    Int64,
    UInt64,
    Float32,
    Float64,
    Character,
    Utf8,
    Utf16,
    UnixTime32,
    UnixTime64,
    FileTime,
    DosDateTime,
    Guid,
};
constexpr int valueTypeCount = static_cast<int>(ValueType::Guid) + 1;

// Int8, Int16, Int32 and Int64: the integer rows that carry a sign.
constexpr bool isSignedInteger(ValueType type)
{
    return type == ValueType::Int8 || type == ValueType::Int16 || type == ValueType::Int32 ||
           type == ValueType::Int64;
}

// "Int16", "UTF-8", "Unix time (32-bit)", ...
const char* valueTypeName(ValueType type);

// Bytes a value of the type takes; for UTF-8 and UTF-16 the shortest sequence.
std::size_t valueSize(ValueType type);
// Bytes the value at the cursor takes: for UTF-8 and UTF-16 the whole
// sequence its first byte or unit announces (1 for a bad UTF-8 lead byte).
std::size_t valueSize(ValueType type, const std::uint8_t* bytes, std::size_t available, bool bigEndian);

// "Not enough bytes at this offset for a Float64."
std::string notEnoughBytesText(ValueType type);

// The row's text for the bytes at the cursor, of which `available` remain
// before the end of the document; "-" when the value needs more.
// Character gives the byte itself (the shell converts it with the ANSI code
// page), "." for the control bytes 0x00..0x1F and 0x7F. UTF-8 and UTF-16 give
// "U+XXXX" and the character as UTF-8 text, only "U+XXXX" for a control code.
std::string valueText(ValueType type, const std::uint8_t* bytes, std::size_t available, bool bigEndian);

struct ParsedValue {
    std::vector<std::uint8_t> bytes; // to write at the cursor, in the chosen byte order
    std::string error;               // why the text is no value; empty when it is one
    bool valid() const { return error.empty(); }
};

// Reads what valueText shows, with blanks around it allowed (except for
// Character, UTF-8 and UTF-16, whose text may be a blank). Integers are also
// read as "0x" hexadecimal, which for the signed types gives the bits (0xFF
// is -1 as an Int8). Floats take what std::from_chars reads and "NaN",
// "Infinity", "-Infinity". FILETIME takes 1 to 7 digits after the seconds,
// or none; DOS times even seconds only. A GUID is read with or without braces.
// UTF-8 and UTF-16 take "U+XXXX" or one character as UTF-8 text.
ParsedValue parseValue(ValueType type, std::string_view text, bool bigEndian);
