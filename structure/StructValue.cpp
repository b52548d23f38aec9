#include "structure/StructValue.h"

#include "structure/DataError.h"
#include "structure/FieldReader.h"
#include "structure/ParseSession.h"

namespace structure {

StructValue::StructValue(ParseSession& session, const TypeDef& type, StructValue* parent, std::shared_ptr<Stream> io,
                         std::string path)
    : session_(session), type_(type), parent_(parent), io_(std::move(io)), path_(std::move(path)),
      instances_(type.instances.size()), busy_(type.instances.size(), false)
{}

StructValue& StructValue::root()
{
    // A file's top type starts a root of its own, as an imported type does.
    StructValue* at = this;
    while (at->parent_ && at->type_.parent) {
        at = at->parent_;
    }
    return *at;
}

std::string StructValue::memberPath(const std::string& id) const
{
    return path_.empty() ? id : path_ + "." + id;
}

bool StructValue::instanceReady(std::size_t index) const
{
    return instances_.at(index).has_value();
}

const Field& StructValue::instance(std::size_t index)
{
    if (instances_.at(index)) {
        return *instances_[index];
    }
    if (busy_[index]) {
        throw DataError("instance '" + type_.instances[index].id + "' depends on itself");
    }
    busy_[index] = true;
    try {
        instances_[index] = evaluateInstance(*this, type_.instances[index]);
    } catch (...) {
        busy_[index] = false;
        throw;
    }
    busy_[index] = false;
    return *instances_[index];
}

} // namespace structure
