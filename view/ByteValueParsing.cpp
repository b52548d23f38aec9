// The text typed into a row turned back into the bytes to write at the cursor.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "text/ByteOrder.h"
#include "text/Blanks.h"
#include "text/ByteValues.h"
#include "text/CivilTime.h"
#include "text/CodePoints.h"
#include "text/InputExcerpt.h"
#include "text/ValueLayouts.h"

namespace {

constexpr int hexBase = 16;
constexpr int binaryBase = 2;
constexpr std::size_t longestNumberText = 24;
constexpr std::size_t longestCodeDigits = 6;
constexpr std::int64_t dosLastYear = dosFirstYear + (1 << dosYearField.width) - 1;

const char* const dateTimeForm = "YYYY-MM-DD hh:mm:ss";
const char* const guidForm = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";

ParsedValue failure(ValueType type, std::string_view text, const std::string& form)
{
    ParsedValue parsed;
    parsed.error.append(inputExcerpt(text)).append(" is not a valid ").append(valueTypeName(type)).append(" value");
    if (!form.empty()) {
        parsed.error.append(" (").append(form).append(")");
    }
    parsed.error += '.';
    return parsed;
}

ParsedValue number(std::uint64_t value, std::size_t size, bool bigEndian)
{
    ParsedValue parsed;
    parsed.bytes.resize(size);
    storeUnsigned(parsed.bytes.data(), size, value, bigEndian);
    return parsed;
}

// The whole text read as one number, nothing before or after it.
template <typename Number, typename... Format>
bool readWhole(std::string_view text, Number& value, Format... format)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, format...);
    return !text.empty() && result.ec == std::errc{} && result.ptr == end;
}

template <typename Number>
std::string numberText(Number value)
{
    char buffer[longestNumberText];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

bool hasHexPrefix(std::string_view text)
{
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

ParsedValue integerValue(ValueType type, std::string_view text, bool bigEndian)
{
    const std::size_t size = valueSize(type);
    const unsigned bits = static_cast<unsigned>(size * bitsPerByte);
    const bool isSigned = isSignedInteger(type);
    const std::uint64_t allBits = std::numeric_limits<std::uint64_t>::max() >> (bitsPerByte * sizeof(std::uint64_t) - bits);
    const std::int64_t smallest = isSigned ? -static_cast<std::int64_t>(allBits >> 1) - 1 : 0;
    const std::uint64_t largest = isSigned ? allBits >> 1 : allBits;
    const std::string_view digits = withoutBlanks(text);
    if (hasHexPrefix(digits)) {
        std::uint64_t value = 0;
        if (readWhole(digits.substr(2), value, hexBase) && value <= allBits) {
            return number(value, size, bigEndian);
        }
    } else if (isSigned) {
        std::int64_t value = 0;
        if (readWhole(digits, value) && value >= smallest && (value < 0 || static_cast<std::uint64_t>(value) <= largest)) {
            return number(static_cast<std::uint64_t>(value), size, bigEndian);
        }
    } else {
        std::uint64_t value = 0;
        if (readWhole(digits, value) && value <= largest) {
            return number(value, size, bigEndian);
        }
    }
    return failure(type, text, numberText(smallest) + " to " + numberText(largest));
}

template <typename Float, typename Bits>
ParsedValue floatValue(ValueType type, std::string_view text, bool bigEndian)
{
    Float value{};
    if (!readWhole(withoutBlanks(text), value, std::chars_format::general)) {
        return failure(type, text, {});
    }
    if (std::isnan(value)) {
        value = std::numeric_limits<Float>::quiet_NaN();
    }
    Bits bits{};
    std::memcpy(&bits, &value, sizeof bits);
    return number(bits, sizeof bits, bigEndian);
}

ParsedValue binaryValue(std::string_view text)
{
    const std::string_view digits = withoutBlanks(text);
    std::uint64_t value = 0;
    if (digits.size() != bitsPerByte || digits.find_first_not_of("01") != std::string_view::npos
        || !readWhole(digits, value, binaryBase)) {
        return failure(ValueType::Binary, text, "8 binary digits");
    }
    return number(value, 1, false);
}

ParsedValue characterValue(std::string_view text)
{
    if (text.size() != 1) {
        return failure(ValueType::Character, text, "one character");
    }
    return number(static_cast<unsigned char>(text[0]), 1, false);
}

ParsedValue codePointValue(ValueType type, std::string_view text, bool bigEndian)
{
    std::uint32_t value = 0;
    bool valid = false;
    if (text.size() > 2 && (text[0] == 'U' || text[0] == 'u') && text[1] == '+') {
        // "U+XXXX", or "U+XXXX X" as the row shows it, with the very character after the blank.
        const std::size_t blank = std::min(text.find(' '), text.size());
        const std::string_view digits = text.substr(2, blank - 2);
        valid = digits.size() <= longestCodeDigits && readWhole(digits, value, hexBase) && isScalarValue(value);
        if (valid && blank < text.size()) {
            std::string character;
            appendUtf8(character, value);
            valid = text.substr(blank + 1) == character;
        }
    } else {
        const auto decoded = decodeUtf8(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        valid = decoded.status == CodeStatus::valid && decoded.length == text.size();
        value = decoded.value;
    }
    if (!valid) {
        return failure(type, text, "U+XXXX or one character");
    }
    ParsedValue parsed;
    if (type == ValueType::Utf8) {
        std::string encoded;
        appendUtf8(encoded, value);
        parsed.bytes.assign(encoded.begin(), encoded.end());
    } else {
        std::uint8_t units[longestUtf8];
        parsed.bytes.assign(units, units + encodeUtf16(units, value, bigEndian));
    }
    return parsed;
}

ParsedValue unixTimeValue(ValueType type, std::string_view text, bool bigEndian)
{
    DateTime time;
    if (!parseDateTime(withoutBlanks(text), time)) {
        return failure(type, text, dateTimeForm);
    }
    const std::int64_t seconds = secondsFromDateTime(time);
    if (type == ValueType::UnixTime32
        && (seconds < std::numeric_limits<std::int32_t>::min() || seconds > std::numeric_limits<std::int32_t>::max())) {
        std::string range;
        appendDateTime(range, dateTimeFromSeconds(std::numeric_limits<std::int32_t>::min()));
        range += " to ";
        appendDateTime(range, dateTimeFromSeconds(std::numeric_limits<std::int32_t>::max()));
        return failure(type, text, range);
    }
    return number(static_cast<std::uint64_t>(seconds), valueSize(type), bigEndian);
}

ParsedValue fileTimeValue(std::string_view text, bool bigEndian)
{
    const std::string_view whole = withoutBlanks(text);
    const std::string_view fraction = whole.substr(std::min(whole.size(), dateTimeTextLength));
    DateTime time;
    std::int64_t ticks = 0;
    bool valid = parseDateTime(whole.substr(0, dateTimeTextLength), time);
    if (valid && !fraction.empty()) {
        const std::string_view digits = fraction.substr(1);
        valid = fraction[0] == '.' && digits.size() <= fileTimeFractionDigits && digits.find_first_not_of("0123456789") == std::string_view::npos
            && readWhole(digits, ticks);
        for (std::size_t i = digits.size(); i < fileTimeFractionDigits; ++i) {
            ticks *= decimalBase;
        }
    }
    const std::int64_t seconds = secondsFromDateTime(time) + secondsFrom1601To1970;
    if (!valid || seconds < 0) {
        return failure(ValueType::FileTime, text, "YYYY-MM-DD hh:mm:ss.fffffff");
    }
    return number(static_cast<std::uint64_t>(seconds * fileTimeTicksPerSecond + ticks), valueSize(ValueType::FileTime), bigEndian);
}

ParsedValue dosTimeValue(std::string_view text, bool bigEndian)
{
    DateTime time;
    if (!parseDateTime(withoutBlanks(text), time) || time.year < dosFirstYear || time.year > dosLastYear
        || static_cast<unsigned>(time.second) % dosSecondsStep != 0) {
        return failure(ValueType::DosDateTime, text,
                       std::string(dateTimeForm) + ", years " + numberText(dosFirstYear) + " to " + numberText(dosLastYear)
                           + ", even seconds");
    }
    const unsigned timeWord = dosFieldBits(static_cast<unsigned>(time.second) / dosSecondsStep, dosSecondsField)
        | dosFieldBits(static_cast<unsigned>(time.minute), dosMinuteField)
        | dosFieldBits(static_cast<unsigned>(time.hour), dosHourField);
    const unsigned dateWord = dosFieldBits(static_cast<unsigned>(time.day), dosDayField)
        | dosFieldBits(static_cast<unsigned>(time.month), dosMonthField)
        | dosFieldBits(static_cast<unsigned>(time.year - dosFirstYear), dosYearField);
    ParsedValue parsed = number(timeWord, dosWordSize, bigEndian);
    parsed.bytes.resize(2 * dosWordSize);
    storeUnsigned(parsed.bytes.data() + dosWordSize, dosWordSize, dateWord, bigEndian);
    return parsed;
}

ParsedValue guidValue(std::string_view text, bool bigEndian)
{
    constexpr std::size_t hexDigitsPerByte = 2;
    constexpr std::size_t bracedLength = 38;
    std::string_view digits = withoutBlanks(text);
    if (digits.size() == bracedLength && digits.front() == '{' && digits.back() == '}') {
        digits = digits.substr(1, bracedLength - 2);
    }
    // The digits of each group, then its size in bytes in the byte order (0: bytes as they are).
    constexpr std::size_t groups[][2] = {{8, 4}, {4, 2}, {4, 2}, {4, 0}, {12, 0}};
    ParsedValue parsed;
    parsed.bytes.resize(guidSize);
    std::size_t position = 0;
    std::uint8_t* out = parsed.bytes.data();
    for (const auto& group : groups) {
        const std::size_t length = group[0];
        if (position != 0 && (position >= digits.size() || digits[position++] != '-')) {
            return failure(ValueType::Guid, text, guidForm);
        }
        const std::string_view field = digits.substr(std::min(position, digits.size()), length);
        std::uint64_t value = 0;
        if (field.size() != length || field.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos
            || !readWhole(field, value, hexBase)) {
            return failure(ValueType::Guid, text, guidForm);
        }
        const std::size_t size = length / hexDigitsPerByte;
        storeUnsigned(out, size, value, group[1] == 0 || bigEndian);
        out += size;
        position += length;
    }
    if (position != digits.size()) {
        return failure(ValueType::Guid, text, guidForm);
    }
    return parsed;
}

} // namespace

ParsedValue parseValue(ValueType type, std::string_view text, bool bigEndian)
{
    switch (type) {
    case ValueType::Binary:
        return binaryValue(text);
    case ValueType::Float32:
        return floatValue<float, std::uint32_t>(type, text, bigEndian);
    case ValueType::Float64:
        return floatValue<double, std::uint64_t>(type, text, bigEndian);
    case ValueType::Character:
        return characterValue(text);
    case ValueType::Utf8:
    case ValueType::Utf16:
        return codePointValue(type, text, bigEndian);
    case ValueType::UnixTime32:
    case ValueType::UnixTime64:
        return unixTimeValue(type, text, bigEndian);
    case ValueType::FileTime:
        return fileTimeValue(text, bigEndian);
    case ValueType::DosDateTime:
        return dosTimeValue(text, bigEndian);
    case ValueType::Guid:
        return guidValue(text, bigEndian);
    default:
        return integerValue(type, text, bigEndian);
    }
}
