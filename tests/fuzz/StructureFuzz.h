#pragma once
// What both structure fuzz targets do with a definition that loaded: parse
// bytes with it, write the whole tree as JSON into nothing, and ask which
// node holds each of a few bytes; every answer must lie in the bytes.
#include "structure/ParseSession.h"
#include "structure/TreeJson.h"
#include "structure/TreeLocate.h"
#include "structure/posix/IconvTextConverter.h"
#include "tests/fuzz/FuzzCheck.h"

class DiscardingSink final : public structure::JsonSink {
public:
    void write(const std::string&) override {}
};

inline void parseAndWalk(const structure::Definition& definition, const structure::ByteSource& bytes)
{
    static const structure::IconvTextConverter converter;
    structure::ParseSession session(definition, bytes, converter);
    session.parse();
    DiscardingSink sink;
    structure::writeDocumentJson(session, sink);
    const std::uint64_t size = bytes.size();
    check(!session.error() || session.error()->offset <= size, "an error's offset lies in the bytes");
    for (std::uint64_t offset = 0; offset < size; offset += 1 + size / 7) {
        const auto found = structure::locate(session, offset);
        if (!found) {
            continue;
        }
        const structure::Span& span = found->span;
        check(span.offset <= offset && offset - span.offset < (span.size ? span.size : 1),
              "the node found holds the byte");
        check(span.offset + span.size <= size, "the node found lies in the bytes");
    }
}
