#include "text/CodePoints.h"

#include "text/ByteOrder.h"

namespace {

constexpr char32_t lastAscii = 0x7F;
constexpr char32_t firstUsefulPrintable = 0x20;
constexpr char32_t lastC1Control = 0x9F;
constexpr char32_t lastOneByte = 0x7F;
constexpr char32_t lastTwoByte = 0x7FF;
constexpr char32_t lastThreeByte = 0xFFFF;
constexpr std::uint8_t continuationMask = 0xC0;
constexpr std::uint8_t continuationTag = 0x80;
constexpr std::uint8_t payloadBits = 6;
constexpr char32_t payloadMask = 0x3F;
constexpr int surrogateBits = 10;
constexpr char32_t surrogatePayload = 0x3FF;
constexpr std::size_t unitSize = 2;
// 0xC0, 0xC1 only start overlong forms and 0xF5 and up only values past U+10FFFF.
constexpr std::uint8_t firstTwoByteLead = 0xC2;
constexpr std::uint8_t pastLastLead = 0xF5;

// The lead byte's tag and the payload it leaves, by sequence length.
constexpr std::uint8_t leadTag[longestUtf8 + 1] = {0, 0x00, 0xC0, 0xE0, 0xF0};
constexpr std::uint8_t leadPayload[longestUtf8 + 1] = {0, 0x7F, 0x1F, 0x0F, 0x07};
// The smallest value each length may carry; below it the form is overlong.
constexpr char32_t smallestOfLength[longestUtf8 + 1] = {0, 0, 0x80, 0x800, 0x10000};

bool isSurrogate(char32_t value)
{
    return value >= firstHighSurrogate && value <= lastSurrogate;
}

} // namespace

bool isScalarValue(char32_t value)
{
    return value <= lastCodePoint && !isSurrogate(value);
}

bool isControlCode(char32_t value)
{
    return value < firstUsefulPrintable || (value >= lastAscii && value <= lastC1Control);
}

std::size_t utf8SequenceLength(std::uint8_t lead)
{
    if (lead < continuationTag) {
        return 1;
    }
    if (lead < firstTwoByteLead) {
        return 0;
    }
    if (lead < leadTag[3]) {
        return 2;
    }
    if (lead < leadTag[4]) {
        return 3;
    }
    return lead < pastLastLead ? longestUtf8 : 0;
}

DecodedCodePoint decodeUtf8(const std::uint8_t* bytes, std::size_t available)
{
    DecodedCodePoint decoded;
    decoded.length = available == 0 ? 0 : utf8SequenceLength(bytes[0]);
    if (available == 0 || decoded.length > available) {
        decoded.status = CodeStatus::truncated;
        return decoded;
    }
    if (decoded.length == 0) {
        decoded.length = 1;
        return decoded;
    }
    char32_t value = bytes[0] & leadPayload[decoded.length];
    for (std::size_t i = 1; i < decoded.length; ++i) {
        if ((bytes[i] & continuationMask) != continuationTag) {
            return decoded;
        }
        value = (value << payloadBits) | (bytes[i] & payloadMask);
    }
    decoded.value = value;
    if (value >= smallestOfLength[decoded.length] && isScalarValue(value)) {
        decoded.status = CodeStatus::valid;
    }
    return decoded;
}

void appendUtf8(std::string& text, char32_t value)
{
    const std::size_t length = value <= lastOneByte ? 1 : value <= lastTwoByte ? 2 : value <= lastThreeByte ? 3 : 4;
    const std::size_t payloadShift = payloadBits * (length - 1);
    text += static_cast<char>(leadTag[length] | (value >> payloadShift));
    for (std::size_t shift = payloadShift; shift > 0;) {
        shift -= payloadBits;
        text += static_cast<char>(continuationTag | ((value >> shift) & payloadMask));
    }
}

DecodedCodePoint decodeUtf16(const std::uint8_t* bytes, std::size_t available, bool bigEndian)
{
    DecodedCodePoint decoded;
    decoded.length = unitSize;
    if (available < unitSize) {
        decoded.status = CodeStatus::truncated;
        return decoded;
    }
    const auto first = static_cast<char32_t>(loadUnsigned(bytes, unitSize, bigEndian));
    decoded.value = first;
    if (!isSurrogate(first)) {
        decoded.status = CodeStatus::valid;
        return decoded;
    }
    if (first >= firstLowSurrogate) {
        return decoded;
    }
    decoded.length = 2 * unitSize;
    if (available < decoded.length) {
        decoded.status = CodeStatus::truncated;
        return decoded;
    }
    const auto second = static_cast<char32_t>(loadUnsigned(bytes + unitSize, unitSize, bigEndian));
    if (second < firstLowSurrogate || second > lastSurrogate) {
        return decoded;
    }
    decoded.value = firstSupplementary + (((first - firstHighSurrogate) << surrogateBits) | (second - firstLowSurrogate));
    decoded.status = CodeStatus::valid;
    return decoded;
}

std::size_t encodeUtf16(std::uint8_t* bytes, char32_t value, bool bigEndian)
{
    if (value < firstSupplementary) {
        storeUnsigned(bytes, unitSize, value, bigEndian);
        return unitSize;
    }
    const char32_t offset = value - firstSupplementary;
    storeUnsigned(bytes, unitSize, firstHighSurrogate + (offset >> surrogateBits), bigEndian);
    storeUnsigned(bytes + unitSize, unitSize, firstLowSurrogate + (offset & surrogatePayload), bigEndian);
    return 2 * unitSize;
}
