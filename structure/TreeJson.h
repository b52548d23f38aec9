#pragma once
// The parsed tree as JSON, streamed node by node: elements of lazy repeats
// are read, written and dropped one at a time, so the whole tree is never
// held in memory.
#include "structure/ParseSession.h"

#include <string>

namespace structure {

class JsonSink {
public:
    virtual ~JsonSink() = default;
    virtual void write(const std::string& text) = 0;
};

// The JSON gathered into one string.
class StringJsonSink final : public JsonSink {
public:
    void write(const std::string& text) override { text_ += text; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// The root object: {"name", "type", "offset", "size", "fields": [...]}.
// Data errors met on the way (instances, lazy elements) are noted in the session.
void writeRootJson(ParseSession& session, JsonSink& out);

// Reads everything the JSON would show (instances, lazy elements) without
// writing, so every data error is noted before the head is written.
void visitTree(ParseSession& session);

// `{"definition": ..., "size": ..., "error": ..., "root": ` — written after the
// root, once every error is known; the caller then copies the root and closes with `}`.
void writeDocumentHead(const ParseSession& session, JsonSink& out);

// The whole document: head, root and the closing brace with a newline, as
// nibstruct prints it; every data error is known before the head is written.
void writeDocumentJson(ParseSession& session, JsonSink& out);

// The type a node shows: u4le, b3, str, bytes, a user type's name, name[] for repeats.
std::string typeName(const TypeRef* type, const Value& value, const StructValue& owner);

} // namespace structure
