#pragma once
// An object of a user type as parsed: its seq fields in order, its instances
// computed on request, its parameters and its stream.
#include "structure/Definition.h"
#include "structure/Value.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace structure {

class ParseSession;

// A seq field or an evaluated instance.
struct Field {
    const Attribute* attr = nullptr;
    bool present = false; // false when its `if` was false (or a switch matched nothing)
    bool complete = false; // false when the data ended or failed inside it
    Item item; // a repeated field: item.value is the Array
};

class StructValue : public std::enable_shared_from_this<StructValue> {
public:
    StructValue(ParseSession& session, const TypeDef& type, StructValue* parent, std::shared_ptr<Stream> io,
                std::string path);

    ParseSession& session() const { return session_; }
    const TypeDef& type() const { return type_; }
    StructValue* parent() const { return parent_; }
    StructValue& root();
    const std::shared_ptr<Stream>& io() const { return io_; }
    const std::string& path() const { return path_; }
    // The path of a member, as errors and `stream` name it.
    std::string memberPath(const std::string& id) const;

    // Seq fields parsed so far, in order (all of them once the parse is done).
    const std::vector<Field>& fields() const { return fields_; }
    std::vector<Field>& fields() { return fields_; }
    // An instance, evaluated on first request; throws DataError when it cannot be.
    const Field& instance(std::size_t index);
    bool instanceReady(std::size_t index) const;

    std::vector<Value> params;
    std::optional<bool> littleEndian;
    std::uint64_t start = 0; // in io
    std::uint64_t end = 0;
    std::int64_t repeatIndex = -1; // its place in a repeated field

private:
    ParseSession& session_;
    const TypeDef& type_;
    StructValue* parent_;
    std::shared_ptr<Stream> io_;
    std::string path_;
    std::vector<Field> fields_;
    std::vector<std::optional<Field>> instances_;
    std::vector<bool> busy_;
};

} // namespace structure
