#pragma once
// One parse of a byte source by a structure definition: the root object,
// built eagerly down its seq fields (fixed-size repeats stay lazy), with
// instances on request, and the first data error.
#include "structure/ByteSource.h"
#include "structure/DataError.h"
#include "structure/Definition.h"
#include "structure/StructValue.h"
#include "structure/TextConverter.h"

#include <memory>
#include <optional>

namespace structure {

struct ParseLimits {
    int maxDepth = 128; // objects within objects, and instances within instances
    std::uint64_t maxDecodedBytes = 256ull << 20; // output of one `process` step
    std::uint64_t maxStalledItems = 1024; // repeat elements in a row that read nothing
};

class ParseSession {
public:
    ParseSession(const Definition& definition, const ByteSource& document, const TextConverter& converter,
                 ParseLimits limits = {});

    // Parses the root's seq; a data error stops it, keeping what was read.
    void parse();

    const Definition& definition() const { return definition_; }
    const ByteSource& document() const { return document_; }
    const TextConverter& converter() const { return converter_; }
    const ParseLimits& limits() const { return limits_; }
    StructValue& root() { return *root_; }
    std::shared_ptr<StructValue> rootPointer() { return root_; }

    const std::optional<ParseError>& error() const { return error_; }
    // Records a data error found later (an instance, a lazy element); the first one stays.
    void noteError(const DataError& error);

    // Guards recursion; throws DataError past maxDepth.
    class DepthGuard {
    public:
        explicit DepthGuard(ParseSession& session);
        ~DepthGuard() { --session_.depth_; }
        DepthGuard(const DepthGuard&) = delete;
        DepthGuard& operator=(const DepthGuard&) = delete;

    private:
        ParseSession& session_;
    };

private:
    const Definition& definition_;
    const ByteSource& document_;
    const TextConverter& converter_;
    ParseLimits limits_;
    std::shared_ptr<StructValue> root_;
    std::optional<ParseError> error_;
    int depth_ = 0;
};

} // namespace structure
