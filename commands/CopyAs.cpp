// The text forms of Copy As. Every byte's text has a place that follows from
// its index alone, so any run of bytes can be written on its own.
#include "commands/CopyAs.h"

#include "editor/EditorCore.h"
#include "text/ByteTextCodec.h"

#include <algorithm>
#include <climits>
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
constexpr std::string_view cArrayClosing = "};\r\n";
constexpr std::string_view cArrayIndent = "    ";
constexpr std::string_view cArraySeparator = ", ";
constexpr std::string_view cNumberPrefix = "0x";
constexpr char cArrayLineComma = ',';
// A number and the separator after it.
constexpr std::size_t cArrayCellWidth = cNumberPrefix.size() + byteDigits + cArraySeparator.size();
// A whole line: its numbers without the last separator, its comma and its end.
constexpr std::size_t cArrayLineLength =
    cArrayIndent.size() + cArrayBytesPerLine * cArrayCellWidth - cArraySeparator.size() + 1 + lineEnd.size();

constexpr std::string_view pythonOpening = "b'";
constexpr std::string_view pythonClosing = "'";
constexpr std::string_view pythonEscape = "\\x";
constexpr std::size_t pythonCellWidth = pythonEscape.size() + byteDigits;

// Base64 writes each group of three bytes as four characters of six bits.
constexpr std::size_t base64GroupBytes = 3;
constexpr std::size_t base64GroupCharacters = 4;
constexpr unsigned base64SextetBits = 6;
constexpr unsigned base64SextetMask = 0x3F;
constexpr char base64Padding = '=';

constexpr std::size_t offsetDigits = 8;
constexpr std::size_t offsetGap = 2;     // blanks between the offset and the numbers
constexpr std::size_t charactersGap = 1; // a blank after the last number's own

char* put(char* at, std::string_view part)
{
    return std::copy(part.begin(), part.end(), at);
}

char* putDigits(char* at, std::uint8_t byte)
{
    at[0] = lowerDigits[byte >> nibbleBits];
    at[1] = lowerDigits[byte & nibbleMask];
    return at + byteDigits;
}

// The offset's low eight digits: a document's offsets have no more.
void putOffset(char* at, std::uint64_t offset)
{
    for (std::size_t i = 0; i < offsetDigits; ++i) {
        at[offsetDigits - 1 - i] = upperDigits[(offset >> (nibbleBits * i)) & nibbleMask];
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

PiecewiseText cArrayPieces(const std::uint8_t* bytes, std::size_t count)
{
    const std::string opening =
        std::string(cArrayOpening) + std::to_string(count) + std::string(cArrayOpeningEnd) + std::string(lineEnd);
    const std::uint64_t n = count;
    const std::uint64_t lines = (n + cArrayBytesPerLine - 1) / cArrayBytesPerLine;
    // The last line is short of a whole one by its missing numbers and its comma.
    const std::uint64_t length = opening.size() + lines * cArrayLineLength -
                                 (lines * cArrayBytesPerLine - n) * cArrayCellWidth - 1 + cArrayClosing.size();
    auto write = [=](char* text, std::size_t from, std::size_t to) {
        if (from == 0) {
            put(text, opening);
        }
        for (std::size_t i = from; i < to; ++i) {
            const std::size_t column = i % cArrayBytesPerLine;
            char* at = text + opening.size() + i / cArrayBytesPerLine * cArrayLineLength;
            at = column == 0 ? put(at, cArrayIndent) : at + cArrayIndent.size() + column * cArrayCellWidth;
            at = putDigits(put(at, cNumberPrefix), bytes[i]);
            if (i + 1 == count) {
                put(put(at, lineEnd), cArrayClosing);
            } else if (column + 1 == cArrayBytesPerLine) {
                *at++ = cArrayLineComma;
                put(at, lineEnd);
            } else {
                put(at, cArraySeparator);
            }
        }
    };
    return {length, count, write};
}

PiecewiseText pythonBytesPieces(const std::uint8_t* bytes, std::size_t count)
{
    const std::uint64_t length = pythonOpening.size() + std::uint64_t{count} * pythonCellWidth + pythonClosing.size();
    auto write = [=](char* text, std::size_t from, std::size_t to) {
        if (from == 0) {
            put(text, pythonOpening);
        }
        for (std::size_t i = from; i < to; ++i) {
            putDigits(put(text + pythonOpening.size() + i * pythonCellWidth, pythonEscape), bytes[i]);
        }
        if (to == count) {
            put(text + pythonOpening.size() + count * pythonCellWidth, pythonClosing);
        }
    };
    return {length, count, write};
}

PiecewiseText base64Pieces(const std::uint8_t* bytes, std::size_t count)
{
    const std::uint64_t groups = (std::uint64_t{count} + base64GroupBytes - 1) / base64GroupBytes;
    // A piece writes the groups that start within it.
    auto write = [=](char* text, std::size_t from, std::size_t to) {
        for (std::size_t first = (from + base64GroupBytes - 1) / base64GroupBytes * base64GroupBytes; first < to;
             first += base64GroupBytes) {
            const std::size_t taken = std::min(base64GroupBytes, count - first);
            const std::uint32_t group = base64Group(bytes + first, taken);
            char* at = text + first / base64GroupBytes * base64GroupCharacters;
            // A short last group writes the characters its bits reach, then padding.
            for (std::size_t i = 0; i < base64GroupCharacters; ++i) {
                const unsigned shift = base64SextetBits * static_cast<unsigned>(base64GroupCharacters - 1 - i);
                at[i] = i <= taken ? base64Alphabet[(group >> shift) & base64SextetMask] : base64Padding;
            }
        }
    };
    return {groups * base64GroupCharacters, count, write};
}

PiecewiseText hexDumpPieces(const std::uint8_t* bytes, std::size_t count, std::int64_t firstOffset,
                            std::int32_t bytesPerRow)
{
    const auto perRow = static_cast<std::size_t>(bytesPerRow);
    const auto start = static_cast<std::uint64_t>(firstOffset);
    const std::uint64_t firstRow = start / perRow;
    const std::uint64_t rows = (start + count - 1) / perRow - firstRow + 1;
    const std::size_t numbersAt = offsetDigits + offsetGap;
    const std::size_t charactersAt = numbersAt + perRow * static_cast<std::size_t>(hexCellWidth) + charactersGap;
    const std::size_t rowLength = charactersAt + perRow + lineEnd.size();
    auto write = [=](char* text, std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            const std::uint64_t offset = start + i;
            const auto column = static_cast<std::size_t>(offset % perRow);
            const std::uint64_t row = offset / perRow;
            char* line = text + static_cast<std::size_t>(row - firstRow) * rowLength;
            // A row's first byte lays it out blank: the cells of no selected byte stay so.
            if (i == 0 || column == 0) {
                std::fill_n(line, rowLength, ' ');
                putOffset(line, row * perRow);
                put(line + rowLength - lineEnd.size(), lineEnd);
            }
            putDigits(line + numbersAt + column * static_cast<std::size_t>(hexCellWidth), bytes[i]);
            line[charactersAt + column] = characterForm(bytes[i]);
        }
    };
    return {rows * rowLength, count, write};
}

} // namespace

PiecewiseText copyAsPieces(CopyAsForm form, const std::uint8_t* bytes, std::size_t count, std::int64_t firstOffset)
{
    if (count == 0) {
        return {0, 0, [](char*, std::size_t, std::size_t) {}};
    }
    switch (form) {
    case CopyAsForm::cArray:
        return cArrayPieces(bytes, count);
    case CopyAsForm::pythonBytes:
        return pythonBytesPieces(bytes, count);
    case CopyAsForm::base64:
        return base64Pieces(bytes, count);
    case CopyAsForm::hexDump:
        return hexDumpPieces(bytes, count, firstOffset, hexDumpBytesPerRow);
    }
    return {0, 0, [](char*, std::size_t, std::size_t) {}};
}

std::string copyAsText(CopyAsForm form, const std::uint8_t* bytes, std::size_t count, std::int64_t firstOffset)
{
    return wholeText(copyAsPieces(form, bytes, count, firstOffset));
}
