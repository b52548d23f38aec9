#include "structureview/RowText.h"

#include <cstdio>

#include "editor/StatusLine.h"
#include "structure/TreeJson.h"

namespace {

constexpr std::uint64_t firstWithHex = 10;
constexpr int hexBase = 16;
constexpr std::size_t bytesShown = 16;
constexpr std::size_t longestNumber = 48;
const char* const moreBytes = "\xE2\x80\xA6"; // U+2026, as UTF-8

std::string integerText(std::int64_t value, bool isUnsigned)
{
    if (!isUnsigned && value < 0) {
        return std::to_string(value);
    }
    const auto bits = static_cast<std::uint64_t>(value);
    if (bits < firstWithHex) {
        return std::to_string(bits);
    }
    return std::to_string(bits) + " (0x" + hexDigits(static_cast<std::int64_t>(bits)) + ")";
}

std::string bytesText(const std::string& bytes, std::size_t shown = bytesShown)
{
    std::string text;
    for (std::size_t i = 0; i < bytes.size() && i < shown; ++i) {
        const auto byte = static_cast<std::uint8_t>(bytes[i]);
        text += i == 0 ? "" : " ";
        text += byte < hexBase ? "0" + hexDigits(byte) : hexDigits(byte);
    }
    if (bytes.size() > shown) {
        text += moreBytes;
    }
    return text;
}

std::string hexOffset(std::uint64_t offset)
{
    return "0x" + hexDigits(static_cast<std::int64_t>(offset));
}

} // namespace

std::string valueText(const structure::Value& value)
{
    using Kind = structure::Value::Kind;
    switch (value.kind) {
    case Kind::Int: {
        if (value.enumDef) {
            const auto label = value.enumDef->labels.find(value.i);
            if (label != value.enumDef->labels.end()) {
                return label->second + " (" + std::to_string(value.i) + ")";
            }
        }
        return integerText(value.i, value.isUnsigned);
    }
    case Kind::Float: {
        char text[longestNumber];
        std::snprintf(text, sizeof text, "%g", value.f);
        return text;
    }
    case Kind::Bool:
        return value.i ? "true" : "false";
    case Kind::Str:
        return "\"" + value.s + "\"";
    case Kind::Bytes:
        return bytesText(value.s);
    case Kind::Array:
        return "[" + std::to_string(value.array->size()) + "]";
    default:
        return {};
    }
}

RowText rowText(const StructureRow& row)
{
    RowText text;
    text.name = row.name;
    if (row.kind == RowKind::error) {
        text.value = row.path;
        text.offset = hexOffset(row.item.span.offset);
        return text;
    }
    if (row.kind == RowKind::leaf) {
        text.value = valueText(row.item.value);
    }
    if (row.item.span.known) {
        text.offset = hexOffset(row.item.span.offset);
        text.size = std::to_string(row.item.span.size);
    }
    if (row.owner) {
        const structure::TypeRef* type = row.attribute ? &row.attribute->type : row.item.type;
        if (row.kind != RowKind::repeat) {
            type = row.item.type ? row.item.type : type;
        }
        const bool repeat = row.kind == RowKind::repeat;
        text.type = structure::typeName(type, repeat ? structure::Value() : row.item.value, *row.owner);
        if (repeat) {
            text.type += "[]";
        }
    }
    return text;
}

std::string editText(const StructureRow& row)
{
    if (row.kind != RowKind::leaf) {
        return {};
    }
    const structure::Value& value = row.item.value;
    return value.kind == structure::Value::Kind::Bytes ? bytesText(value.s, value.s.size()) : valueText(value);
}
