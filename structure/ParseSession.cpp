#include "structure/ParseSession.h"

#include "structure/FieldReader.h"
#include "structure/Stream.h"

namespace structure {

ParseSession::ParseSession(const Definition& definition, const ByteSource& document, const TextConverter& converter,
                           ParseLimits limits)
    : definition_(definition), document_(document), converter_(converter), limits_(limits)
{
    auto io = std::make_shared<Stream>(document_, nullptr, 0, document_.size(), std::make_shared<StreamOrigin>(), 0);
    root_ = std::make_shared<StructValue>(*this, definition_.rootType(), nullptr, io, "");
}

void ParseSession::parse()
{
    try {
        parseObject(*root_, std::nullopt);
    } catch (const DataError& e) {
        noteError(e);
    }
}

void ParseSession::noteError(const DataError& error)
{
    if (error_) {
        return;
    }
    error_ = ParseError{error.what(), error.path.value_or(""), error.offset.value_or(0)};
}

ParseSession::DepthGuard::DepthGuard(ParseSession& session) : session_(session)
{
    if (++session_.depth_ > session_.limits_.maxDepth) {
        --session_.depth_;
        throw DataError("nested deeper than " + std::to_string(session_.limits_.maxDepth) + " levels");
    }
}

} // namespace structure
