// The text forms of Copy As. Each is measured before it is written, so that a
// large selection costs a single allocation.
#include "commands/CopyAs.h"

#include "editor/EditorCore.h"
#include "view/ByteTextCodec.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <string_view>

namespace {

const char lowerDigits[] = "0123456789abcdef";
const char upperDigits[] = "0123456789ABCDEF";
const char base64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr unsigned nibbleBits = 4;
constexpr unsigned nibbleMask = 0xF;
constexpr std::size_t byteDigits = 2;

constexpr std::string_view lineEnd = "\r\n";

constexpr std::string_view cArrayOpening = "unsigned char data[";
constexpr std::string_view cArrayOpeningEnd = "] = {";
constexpr std::string_view cArrayClosing = "};";
constexpr std::string_view cArrayIndent = "    ";
constexpr std::string_view cArraySeparator = ", ";
constexpr std::string_view cNumberPrefix = "0x";
constexpr char cArrayLineComma = ',';

constexpr std::string_view pythonOpening = "b'";
constexpr std::string_view pythonClosing = "'";
constexpr std::string_view pythonEscape = "\\x";

// Base64 writes each group of three bytes as four characters of six bits.
constexpr std::size_t base64GroupBytes = 3;
constexpr std::size_t base64GroupCharacters = 4;
constexpr unsigned base64SextetBits = 6;
constexpr unsigned base64SextetMask = 0x3F;
constexpr char base64Padding = '=';

constexpr std::size_t offsetDigits = 8;
constexpr std::size_t offsetGap = 2;     // blanks between the offset and the numbers
constexpr std::size_t charactersGap = 1; // a blank after the last number's own

// More characters a byte than any form but the hex dump takes, beyond its fixed
// parts: refusing counts beyond it keeps the lengths from wrapping around.
constexpr std::size_t mostCharactersPerByte = 8;

void checkCount(std::size_t count)
{
    if (count > std::string().max_size() / mostCharactersPerByte) {
        throw std::length_error("copyAsText: too many bytes");
    }
}

void appendDigits(std::string& text, std::uint8_t byte)
{
    text += lowerDigits[byte >> nibbleBits];
    text += lowerDigits[byte & nibbleMask];
}

void writeDigits(char* dest, std::uint8_t byte)
{
    dest[0] = lowerDigits[byte >> nibbleBits];
    dest[1] = lowerDigits[byte & nibbleMask];
}

// The offset's low eight digits: a document's offsets have no more.
void writeOffset(char* dest, std::uint64_t offset)
{
    for (std::size_t i = 0; i < offsetDigits; ++i) {
        dest[offsetDigits - 1 - i] = upperDigits[(offset >> (nibbleBits * i)) & nibbleMask];
    }
}

// The group's bits from `count` bytes (one to three), the first byte highest.
std::uint32_t base64Group(const std::uint8_t* bytes, std::size_t count)
{
    std::uint32_t group = 0;
    for (std::size_t i = 0; i < base64GroupBytes; ++i) {
        group = (group << CHAR_BIT) | (i < count ? bytes[i] : 0u);
    }
    return group;
}

} // namespace

std::string cArrayText(const std::uint8_t* bytes, std::size_t count)
{
    if (count == 0) {
        return std::string();
    }
    checkCount(count);
    const std::string declaredCount = std::to_string(count);
    const std::size_t lines = (count + cArrayBytesPerLine - 1) / cArrayBytesPerLine;
    const std::size_t numberWidth = cNumberPrefix.size() + byteDigits;
    // The numbers of a line are parted by separators; every line of them but the last ends with a comma.
    const std::size_t length = cArrayOpening.size() + declaredCount.size() + cArrayOpeningEnd.size() + lineEnd.size() +
                               lines * (cArrayIndent.size() + lineEnd.size()) + count * numberWidth +
                               (count - lines) * cArraySeparator.size() + (lines - 1) + cArrayClosing.size() +
                               lineEnd.size();
    std::string text;
    text.reserve(length);
    text.append(cArrayOpening).append(declaredCount).append(cArrayOpeningEnd).append(lineEnd);
    for (std::size_t first = 0; first < count; first += cArrayBytesPerLine) {
        const std::size_t end = std::min(count, first + cArrayBytesPerLine);
        text.append(cArrayIndent);
        for (std::size_t i = first; i < end; ++i) {
            if (i != first) {
                text.append(cArraySeparator);
            }
            text.append(cNumberPrefix);
            appendDigits(text, bytes[i]);
        }
        if (end != count) {
            text += cArrayLineComma;
        }
        text.append(lineEnd);
    }
    text.append(cArrayClosing).append(lineEnd);
    return text;
}

std::string pythonBytesText(const std::uint8_t* bytes, std::size_t count)
{
    if (count == 0) {
        return std::string();
    }
    checkCount(count);
    std::string text;
    text.reserve(pythonOpening.size() + count * (pythonEscape.size() + byteDigits) + pythonClosing.size());
    text.append(pythonOpening);
    for (std::size_t i = 0; i < count; ++i) {
        text.append(pythonEscape);
        appendDigits(text, bytes[i]);
    }
    text.append(pythonClosing);
    return text;
}

std::string base64Text(const std::uint8_t* bytes, std::size_t count)
{
    if (count == 0) {
        return std::string();
    }
    checkCount(count);
    std::string text;
    text.reserve((count + base64GroupBytes - 1) / base64GroupBytes * base64GroupCharacters);
    for (std::size_t first = 0; first < count; first += base64GroupBytes) {
        const std::size_t taken = std::min(base64GroupBytes, count - first);
        const std::uint32_t group = base64Group(bytes + first, taken);
        // A short last group writes the characters its bits reach, then padding.
        for (std::size_t i = 0; i < base64GroupCharacters; ++i) {
            const unsigned shift = base64SextetBits * static_cast<unsigned>(base64GroupCharacters - 1 - i);
            text += i <= taken ? base64Alphabet[(group >> shift) & base64SextetMask] : base64Padding;
        }
    }
    return text;
}

std::string hexDumpText(const std::uint8_t* bytes, std::size_t count, std::int64_t firstOffset,
                        std::int32_t bytesPerRow)
{
    if (count == 0) {
        return std::string();
    }
    checkCount(count);
    const auto perRow = static_cast<std::size_t>(bytesPerRow);
    const auto start = static_cast<std::uint64_t>(firstOffset);
    const std::uint64_t firstRow = start / perRow;
    const std::uint64_t rows = (start + count - 1) / perRow - firstRow + 1;
    const std::size_t numbersAt = offsetDigits + offsetGap;
    const std::size_t charactersAt = numbersAt + perRow * static_cast<std::size_t>(hexCellWidth) + charactersGap;
    const std::size_t rowLength = charactersAt + perRow + lineEnd.size();
    if (rows > std::string().max_size() / rowLength) {
        throw std::length_error("hexDumpText: too many rows");
    }
    // Written in place over blanks: the cells of no selected byte stay blank.
    std::string text(static_cast<std::size_t>(rows) * rowLength, ' ');
    for (std::size_t row = 0; row < rows; ++row) {
        char* line = &text[row * rowLength];
        writeOffset(line, (firstRow + row) * perRow);
        lineEnd.copy(line + rowLength - lineEnd.size(), lineEnd.size());
    }
    char* line = &text[0];
    auto column = static_cast<std::size_t>(start % perRow);
    for (std::size_t i = 0; i < count; ++i) {
        writeDigits(line + numbersAt + column * static_cast<std::size_t>(hexCellWidth), bytes[i]);
        line[charactersAt + column] = EditorCore::characterForm(bytes[i]);
        if (++column == perRow) {
            column = 0;
            line += rowLength;
        }
    }
    return text;
}

std::string copyAsText(CopyAsForm form, const std::uint8_t* bytes, std::size_t count, std::int64_t firstOffset)
{
    switch (form) {
    case CopyAsForm::cArray:
        return cArrayText(bytes, count);
    case CopyAsForm::pythonBytes:
        return pythonBytesText(bytes, count);
    case CopyAsForm::base64:
        return base64Text(bytes, count);
    case CopyAsForm::hexDump:
        return hexDumpText(bytes, count, firstOffset, hexDumpBytesPerRow);
    }
    return std::string();
}
