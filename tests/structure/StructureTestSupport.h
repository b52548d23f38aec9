#pragma once
// Parses small hand-written definitions over byte strings for the tests.
#include "structure/DefinitionLoader.h"
#include "structure/ParseSession.h"
#include "structure/TreeJson.h"
#include "structure/posix/IconvTextConverter.h"

#include <memory>
#include <string>

namespace structure_test {

struct Parsed {
    std::unique_ptr<structure::Definition> definition;
    std::unique_ptr<structure::MemoryByteSource> bytes;
    structure::IconvTextConverter converter;
    std::unique_ptr<structure::ParseSession> session;
    std::string json; // the root node, after a full walk
};

inline std::unique_ptr<Parsed> parse(const std::string& ksy, const std::string& data,
                                     structure::ParseLimits limits = {})
{
    auto out = std::make_unique<Parsed>();
    structure::StandardDefinitionFiles files;
    out->definition = structure::loadDefinitionText("test.ksy", ksy, files);
    out->bytes = std::make_unique<structure::MemoryByteSource>(std::vector<std::uint8_t>(data.begin(), data.end()));
    out->session = std::make_unique<structure::ParseSession>(*out->definition, *out->bytes, out->converter, limits);
    out->session->parse();
    structure::StringJsonSink sink;
    structure::writeRootJson(*out->session, sink);
    out->json = sink.text();
    return out;
}

// The definition's message, or "" when it loads.
inline std::string loadError(const std::string& ksy)
{
    try {
        structure::StandardDefinitionFiles files;
        structure::loadDefinitionText("test.ksy", ksy, files);
    } catch (const structure::DefinitionError& e) {
        return e.what();
    }
    return "";
}

} // namespace structure_test
