#include "structureview/FieldBytes.h"
#include "text/Blanks.h"

#include <limits>
#include <optional>

#include "structure/DataError.h"
#include "structure/FieldReader.h"
#include "structure/TextConverter.h"
#include "structure/TreeLocate.h"
#include "text/ByteOrder.h"
#include "text/ByteTextCodec.h"
#include "text/ByteValues.h"
#include "text/CodePoints.h"
#include "text/InputExcerpt.h"

namespace {

constexpr char quote = '"';
constexpr std::uint8_t highestAscii = 0x7F;
constexpr unsigned wordBits = 64;

FieldBytes refusal(std::string error)
{
    FieldBytes out;
    out.error = std::move(error);
    return out;
}

const structure::TypeRef& fieldType(const StructureRow& row)
{
    return row.item.type ? *row.item.type : row.attribute->type;
}

bool bigEndian(const StructureRow& row)
{
    const structure::Endian endian = fieldType(row).endian;
    if (endian == structure::Endian::Inherit) {
        return !(row.owner && row.owner->littleEndian.value_or(false));
    }
    return endian == structure::Endian::Big;
}

// The inspector's type of the same width and sign, whose parsing this shares.
ValueType inspectorType(const structure::TypeRef& type)
{
    if (type.kind == structure::TypeRef::Kind::Float) {
        return type.width == sizeof(float) ? ValueType::Float32 : ValueType::Float64;
    }
    switch (type.width) {
    case 1:
        return type.isSigned ? ValueType::Int8 : ValueType::UInt8;
    case 2:
        return type.isSigned ? ValueType::Int16 : ValueType::UInt16;
    case 4:
        return type.isSigned ? ValueType::Int32 : ValueType::UInt32;
    default:
        return type.isSigned ? ValueType::Int64 : ValueType::UInt64;
    }
}

// The text as a number: an enum's label as its value, anything else as typed.
std::string numberText(const StructureRow& row, std::string_view text)
{
    if (const structure::EnumDef* labels = row.attribute->enumDef) {
        const auto found = labels->values.find(std::string(withoutBlanks(text)));
        if (found != labels->values.end()) {
            return std::to_string(found->second);
        }
    }
    return std::string(text);
}

std::string orLabel(const StructureRow& row, const std::string& error)
{
    const structure::EnumDef* labels = row.attribute->enumDef;
    return labels ? error + " Or a label of " + labels->name + "." : error;
}

FieldBytes numberBytes(const StructureRow& row, std::string_view text)
{
    const ParsedValue parsed = parseValue(inspectorType(fieldType(row)), numberText(row, text), bigEndian(row));
    if (!parsed.valid()) {
        return refusal(orLabel(row, parsed.error));
    }
    FieldBytes out;
    out.bytes = parsed.bytes;
    return out;
}

// A bit field's value put among the other bits of the bytes it shares.
FieldBytes bitBytes(const StructureRow& row, std::string_view text, const DocumentBytes& document)
{
    const structure::Span& span = row.item.span;
    const auto width = static_cast<unsigned>(span.bitSize);
    const auto first = static_cast<unsigned>(span.bitOffset);
    const std::size_t count = (first + width + bitsPerByte - 1) / bitsPerByte;
    const std::uint64_t largest = std::numeric_limits<std::uint64_t>::max() >> (wordBits - width);
    const ParsedValue parsed = parseValue(ValueType::UInt64, numberText(row, text), true);
    const std::uint64_t value = parsed.valid() ? loadUnsigned(parsed.bytes.data(), parsed.bytes.size(), true) : 0;
    if (!parsed.valid() || value > largest) {
        return refusal(orLabel(row, inputExcerpt(text) + " is not a valid b" + std::to_string(width) + " value (0 to " +
                                        std::to_string(largest) + ")."));
    }
    const ByteSpan current = document.span(static_cast<std::int64_t>(span.offset), static_cast<std::int64_t>(count));
    if (count > sizeof(std::uint64_t) || current.empty()) {
        return refusal("The bits of this field cannot be written.");
    }
    const structure::Endian endian = fieldType(row).endian;
    const bool little = endian == structure::Endian::Little ||
                        (endian == structure::Endian::Inherit && row.owner && row.owner->type().bitsLittleEndian());
    // Big-endian bits are taken from the top of each byte, little-endian ones from the bottom.
    const auto shift = static_cast<unsigned>(little ? first : count * bitsPerByte - first - width);
    std::uint64_t word = loadUnsigned(current.bytes, count, !little);
    word = (word & ~(largest << shift)) | (value << shift);
    FieldBytes out;
    out.bytes.resize(count);
    storeUnsigned(out.bytes.data(), count, word, !little);
    return out;
}

// The text in the encoding; false when the encoding cannot hold it or is not one written here.
bool encodeText(const std::string& encoding, std::string_view text, std::vector<std::uint8_t>& out)
{
    const std::string folded = structure::foldEncodingName(encoding);
    const bool utf16 = folded == "UTF16LE" || folded == "UTF16BE";
    if (folded != "ASCII" && folded != "USASCII" && folded != "UTF8" && !utf16) {
        return false;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    for (std::size_t at = 0; at < text.size();) {
        const DecodedCodePoint code = decodeUtf8(bytes + at, text.size() - at);
        if (code.status != CodeStatus::valid || (!utf16 && folded != "UTF8" && code.value > highestAscii)) {
            return false;
        }
        if (utf16) {
            std::uint8_t units[longestUtf8];
            out.insert(out.end(), units, units + encodeUtf16(units, code.value, folded == "UTF16BE"));
        } else {
            out.insert(out.end(), bytes + at, bytes + at + code.length);
        }
        at += code.length;
    }
    return true;
}

FieldBytes textBytes(const StructureRow& row, std::string_view text)
{
    const structure::Attribute& field = *row.attribute;
    if (text.size() >= 2 && text.front() == quote && text.back() == quote) {
        text = text.substr(1, text.size() - 2); // as the row shows it
    }
    const std::size_t size = static_cast<std::size_t>(row.item.span.size);
    std::optional<int> terminator = field.terminator;
    if (!terminator && fieldType(row).zeroTerminated) {
        terminator = 0;
    }
    // Without a size of its own the field ends at its terminator, which must stay.
    const bool endsAtTerminator = terminator && !field.size && !field.sizeEos;
    const std::size_t room = endsAtTerminator && size > 0 ? size - 1 : size;
    const std::string encoding = structure::encodingFor(*row.owner, field);
    const std::string kind = "str (" + encoding + ", up to " + structure::byteCount(room) + ")";
    FieldBytes out;
    if (!encodeText(encoding, text, out.bytes)) {
        return refusal(inputExcerpt(text) + " cannot be written as " + kind + ".");
    }
    if (out.bytes.size() > room) {
        return refusal(inputExcerpt(text) + " takes " + structure::byteCount(out.bytes.size()) + ", more than " +
                       kind + " holds.");
    }
    if (terminator && out.bytes.size() < size) {
        out.bytes.push_back(static_cast<std::uint8_t>(*terminator));
    }
    const int pad = field.padRight.value_or(terminator.value_or(0));
    out.bytes.resize(size, static_cast<std::uint8_t>(pad));
    return out;
}

FieldBytes hexBytes(const StructureRow& row, std::string_view text)
{
    const std::size_t size = static_cast<std::size_t>(row.item.span.size);
    const ParsedNumbers parsed = parseNumberText(withoutBlanks(text), false);
    if (parsed.count <= 0 || static_cast<std::size_t>(parsed.count) != size) {
        return refusal(inputExcerpt(text) + " is not a valid bytes value (" + structure::byteCount(size) +
                       " in hex).");
    }
    FieldBytes out;
    out.bytes.assign(parsed.area.begin(), parsed.area.begin() + parsed.count);
    return out;
}

} // namespace

FieldBytes fieldBytes(const StructureRow& row, std::string_view text, const DocumentBytes& document)
{
    const structure::Span& span = row.item.span;
    if (row.kind != RowKind::leaf || !row.attribute || !structure::inFile(span)) {
        return refusal("Only a field whose bytes lie in the file can be written.");
    }
    const structure::TypeRef& type = fieldType(row);
    if (type.kind == structure::TypeRef::Kind::Bits && span.bitSize > 0) {
        return bitBytes(row, text, document);
    }
    const auto kind = row.item.value.kind;
    if ((type.kind == structure::TypeRef::Kind::Int || type.kind == structure::TypeRef::Kind::Float) &&
        span.size == static_cast<std::uint64_t>(type.width)) {
        return numberBytes(row, text);
    }
    if (type.kind == structure::TypeRef::Kind::Str && kind == structure::Value::Kind::Str && row.owner) {
        try {
            return textBytes(row, text);
        } catch (const structure::DataError& error) {
            return refusal(error.what());
        }
    }
    if (type.kind == structure::TypeRef::Kind::Bytes && kind == structure::Value::Kind::Bytes) {
        return hexBytes(row, text);
    }
    return refusal("Fields of this type are not written here.");
}
