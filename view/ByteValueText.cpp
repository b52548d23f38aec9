// The rows' names and sizes, and the text each shows for the bytes at the cursor.
#include "text/ByteValues.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "text/ByteOrder.h"
#include "text/CivilTime.h"
#include "text/CodePoints.h"
#include "text/ValueLayouts.h"

namespace {

struct TypeInfo {
    const char* name;
    std::size_t size;
};

constexpr TypeInfo typeInfo[valueTypeCount] = {
    {"Binary", 1},
    {"Int8", 1},
    {"UInt8", 1},
    {"Int16", 2},
    {"UInt16", 2},
    {"Int32", 4},
    {"UInt32", 4},
    {"Int64", 8},
    {"UInt64", 8},
    {"Float32", 4},
    {"Float64", 8},
    {"Character", 1},
    {"UTF-8", 1},
    {"UTF-16", 2},
    {"Unix time (32-bit)", 4},
    {"Unix time (64-bit)", 8},
    {"FILETIME", 8},
    {"DOS date and time", 4},
    {"GUID", 16},
};

const char* const unavailable = "-";
const char* const invalid = "invalid";
constexpr std::uint8_t firstPrintable = 0x20;
constexpr std::uint8_t deleteByte = 0x7F;
constexpr int hexBase = 16;
constexpr std::size_t shortestCodeDigits = 4;
constexpr std::size_t longestNumberText = 32; // "-1.7976931348623157e+308" and the like

std::string binaryText(std::uint8_t byte)
{
    std::string text(bitsPerByte, '0');
    for (std::size_t bit = 0; bit < bitsPerByte; ++bit) {
        if ((byte >> (bitsPerByte - 1 - bit) & 1) != 0) {
            text[bit] = '1';
        }
    }
    return text;
}

std::string integerText(ValueType type, const std::uint8_t* bytes, bool bigEndian)
{
    const std::size_t size = valueSize(type);
    const std::uint64_t bits = loadUnsigned(bytes, size, bigEndian);
    const bool isSigned = isSignedInteger(type);
    char buffer[longestNumberText];
    std::to_chars_result result{};
    if (isSigned) {
        // Moves the value's sign bit to the top, then back with the sign spread.
        const unsigned unused = static_cast<unsigned>(bitsPerByte * (sizeof(std::uint64_t) - size));
        const auto top = static_cast<std::int64_t>(bits << unused);
        result = std::to_chars(buffer, buffer + sizeof buffer, top >> unused);
    } else {
        result = std::to_chars(buffer, buffer + sizeof buffer, bits);
    }
    return std::string(buffer, result.ptr);
}

template <typename Float, typename Bits>
std::string floatText(const std::uint8_t* bytes, bool bigEndian)
{
    const auto bits = static_cast<Bits>(loadUnsigned(bytes, sizeof(Bits), bigEndian));
    Float value{};
    std::memcpy(&value, &bits, sizeof value);
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    char buffer[longestNumberText];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string characterText(std::uint8_t byte)
{
    return std::string(1, byte < firstPrintable || byte == deleteByte ? '.' : static_cast<char>(byte));
}

std::string codePointText(const DecodedCodePoint& decoded)
{
    if (decoded.status != CodeStatus::valid) {
        return decoded.status == CodeStatus::truncated ? unavailable : invalid;
    }
    char digits[longestNumberText];
    const auto result = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint32_t>(decoded.value), hexBase);
    const auto count = static_cast<std::size_t>(result.ptr - digits);
    std::string text = "U+";
    text.append(count < shortestCodeDigits ? shortestCodeDigits - count : 0, '0');
    for (const char* digit = digits; digit != result.ptr; ++digit) {
        text += (*digit >= 'a') ? static_cast<char>(*digit - 'a' + 'A') : *digit;
    }
    if (!isControlCode(decoded.value)) {
        text += ' ';
        appendUtf8(text, decoded.value);
    }
    return text;
}

std::string secondsText(std::int64_t secondsSince1970)
{
    const DateTime time = dateTimeFromSeconds(secondsSince1970);
    if (time.year < firstShownYear || time.year > lastShownYear) {
        return invalid;
    }
    std::string text;
    appendDateTime(text, time);
    return text;
}

std::string fileTimeText(std::uint64_t ticks)
{
    if (ticks > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        return invalid;
    }
    const auto signedTicks = static_cast<std::int64_t>(ticks);
    std::string text = secondsText(signedTicks / fileTimeTicksPerSecond - secondsFrom1601To1970);
    if (text != invalid) {
        std::int64_t fraction = signedTicks % fileTimeTicksPerSecond;
        char digits[fileTimeFractionDigits];
        for (std::size_t i = fileTimeFractionDigits; i > 0; --i, fraction /= decimalBase) {
            digits[i - 1] = static_cast<char>('0' + fraction % decimalBase);
        }
        text += '.';
        text.append(digits, fileTimeFractionDigits);
    }
    return text;
}

std::string dosTimeText(const std::uint8_t* bytes, bool bigEndian)
{
    const auto timeWord = static_cast<unsigned>(loadUnsigned(bytes, dosWordSize, bigEndian));
    const auto dateWord = static_cast<unsigned>(loadUnsigned(bytes + dosWordSize, dosWordSize, bigEndian));
    DateTime time;
    time.second = static_cast<int>(dosField(timeWord, dosSecondsField) * dosSecondsStep);
    time.minute = static_cast<int>(dosField(timeWord, dosMinuteField));
    time.hour = static_cast<int>(dosField(timeWord, dosHourField));
    time.day = static_cast<int>(dosField(dateWord, dosDayField));
    time.month = static_cast<int>(dosField(dateWord, dosMonthField));
    time.year = dosFirstYear + dosField(dateWord, dosYearField);
    if (time.month < 1 || time.month > monthsPerYear || time.day < 1 || time.day > daysInMonth(time.year, time.month)
        || time.hour >= hoursPerDay || time.minute >= minutesPerHour || time.second >= secondsPerMinute) {
        return invalid;
    }
    std::string text;
    appendDateTime(text, time);
    return text;
}

std::string guidText(const std::uint8_t* bytes, bool bigEndian)
{
    constexpr const char* digits = "0123456789ABCDEF";
    constexpr unsigned lowNibble = 0xF;
    std::string text = "{";
    std::size_t offset = 0;
    for (const std::size_t size : guidOrderedFields) {
        const std::uint64_t value = loadUnsigned(bytes + offset, size, bigEndian);
        for (std::size_t shift = size * bitsPerByte; shift > 0;) {
            shift -= bitsPerByte / 2;
            text += digits[(value >> shift) & lowNibble];
        }
        text += '-';
        offset += size;
    }
    for (; offset < guidSize; ++offset) {
        text += digits[bytes[offset] >> (bitsPerByte / 2)];
        text += digits[bytes[offset] & lowNibble];
        if (offset == guidSize - guidNodeSize - 1) {
            text += '-';
        }
    }
    text += '}';
    return text;
}

} // namespace

const char* valueTypeName(ValueType type)
{
    return typeInfo[static_cast<int>(type)].name;
}

std::size_t valueSize(ValueType type)
{
    return typeInfo[static_cast<int>(type)].size;
}

std::size_t valueSize(ValueType type, const std::uint8_t* bytes, std::size_t available, bool bigEndian)
{
    if (type == ValueType::Utf8 && available > 0) {
        const std::size_t length = utf8SequenceLength(bytes[0]);
        return length == 0 ? 1 : length;
    }
    if (type == ValueType::Utf16) {
        return decodeUtf16(bytes, available, bigEndian).length;
    }
    return valueSize(type);
}

std::string notEnoughBytesText(ValueType type)
{
    const std::string name = valueTypeName(type);
    const char* article = name.compare(0, 3, "Int") == 0 ? "an " : "a ";
    return "Not enough bytes at this offset for " + (article + name) + ".";
}

std::string valueText(ValueType type, const std::uint8_t* bytes, std::size_t available, bool bigEndian)
{
    if (available < valueSize(type)) {
        return unavailable;
    }
    switch (type) {
    case ValueType::Binary:
        return binaryText(bytes[0]);
    case ValueType::Float32:
        return floatText<float, std::uint32_t>(bytes, bigEndian);
    case ValueType::Float64:
        return floatText<double, std::uint64_t>(bytes, bigEndian);
    case ValueType::Character:
        return characterText(bytes[0]);
    case ValueType::Utf8:
        return codePointText(decodeUtf8(bytes, available));
    case ValueType::Utf16:
        return codePointText(decodeUtf16(bytes, available, bigEndian));
    case ValueType::UnixTime32:
        return secondsText(static_cast<std::int32_t>(loadUnsigned(bytes, valueSize(type), bigEndian)));
    case ValueType::UnixTime64:
        return secondsText(static_cast<std::int64_t>(loadUnsigned(bytes, valueSize(type), bigEndian)));
    case ValueType::FileTime:
        return fileTimeText(loadUnsigned(bytes, valueSize(type), bigEndian));
    case ValueType::DosDateTime:
        return dosTimeText(bytes, bigEndian);
    case ValueType::Guid:
        return guidText(bytes, bigEndian);
    default:
        return integerText(type, bytes, bigEndian);
    }
}
