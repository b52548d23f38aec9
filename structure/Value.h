#pragma once
// A value in the structure tree or in an expression: numbers, booleans,
// text, bytes, objects of user types, arrays, and streams.
#include "structure/Definition.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace structure {

class ArrayValue;
class Stream;
class StructValue;
struct StreamOrigin;

struct Value {
    enum class Kind { None, Int, Float, Bool, Str, Bytes, Struct, Array, Stream };
    Kind kind = Kind::None;
    std::int64_t i = 0; // Int, and Bool as 0/1
    bool isUnsigned = false; // an Int read as u8 past the signed range
    double f = 0;
    std::string s; // Str as UTF-8; Bytes as raw bytes
    const EnumDef* enumDef = nullptr; // an Int that is an enum's value
    std::shared_ptr<StructValue> object;
    std::shared_ptr<const ArrayValue> array;
    std::shared_ptr<Stream> stream;

    static Value integer(std::int64_t v, bool isUnsigned = false);
    static Value floating(double v);
    static Value boolean(bool v);
    static Value text(std::string v);
    static Value bytes(std::string v);
    static Value structure(std::shared_ptr<StructValue> v);
    static Value list(std::shared_ptr<const ArrayValue> v);
    static Value streamOf(std::shared_ptr<Stream> v);

    bool isNumber() const { return kind == Kind::Int || kind == Kind::Float; }
    double asDouble() const;
    const char* kindName() const;
};

// Where a field lies: absolute in the file, or within the decoded bytes of a
// processed field (`origin` names it).
struct Span {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    int bitOffset = 0; // bit fields: bits of the first byte read before this one
    int bitSize = 0; // 0 for whole-byte fields
    const StreamOrigin* origin = nullptr;
    bool known = false; // value instances have no place in the bytes
};

// One element of an array, or one field's whole value.
struct Item {
    Value value;
    Span span;
    const TypeRef* type = nullptr; // the type read, a switch's chosen case included
};

// Arrays: read element by element, or computed on request (see LazyArray).
class ArrayValue {
public:
    virtual ~ArrayValue() = default;
    virtual std::size_t size() const = 0;
    // May read from the bytes; throws DataError when that fails.
    virtual Item item(std::size_t index) const = 0;
};

class ListArray final : public ArrayValue {
public:
    std::size_t size() const override { return items.size(); }
    Item item(std::size_t index) const override { return items.at(index); }
    std::vector<Item> items;
};

// Lowercase hex of bytes, no blanks.
std::string hexOf(const std::string& bytes);

} // namespace structure
