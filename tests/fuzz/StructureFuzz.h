#pragma once
// What the structure fuzz targets share: the definitions they parse with, and
// what they do with one that loaded: parse bytes with it, write the whole
// tree as JSON into nothing, and ask which node holds each of a few bytes;
// every answer must lie in the bytes.
#include "structure/DefinitionLoader.h"
#include "structure/ParseSession.h"
#include "structure/TreeJson.h"
#include "structure/TreeLocate.h"
#include "structure/posix/IconvTextConverter.h"
#include "tests/fuzz/FuzzCheck.h"

inline const char* const ownFormats[] = {"bmp", "gif", "png", "wav", "zip", "elf", "pe"};

// A definition that mixes the language's harder parts.
inline const char* const mixedDefinition = R"(meta: {id: mixed, endian: be, bit-endian: le}
seq:
  - {id: n, type: u1}
  - {id: fixed, type: u2le, repeat: expr, repeat-expr: n % 8}
  - {id: bits, type: b5}
  - {id: text, type: strz, encoding: UTF-16LE}
  - {id: turned, size: n % 5, process: rol(3), type: part}
  - {id: packed, size: n % 16, process: zlib, if: n > 200}
  - {id: parts, type: part, repeat: until, repeat-until: _.tag == 0 or _io.eof}
instances:
  back: {pos: n, type: u4, if: n + 4 <= _io.size}
  sum: {value: 'n * 3 + fixed.size - (bits << 2)'}
types:
  part:
    seq:
      - {id: tag, type: u1}
      - {id: body, size: tag % 4, type: {switch-on: tag % 3, cases: {1: part, 2: u2}}}
)";

// The project's own definitions, then the mixed one.
inline std::vector<std::unique_ptr<structure::Definition>> fuzzDefinitions()
{
    structure::StandardDefinitionFiles files;
    std::vector<std::unique_ptr<structure::Definition>> out;
    for (const char* name : ownFormats) {
        out.push_back(structure::loadDefinition(std::string(NIBBLOR_FORMATS_DIR "/") + name + ".ksy", files));
    }
    out.push_back(structure::loadDefinitionText("mixed.ksy", mixedDefinition, files));
    return out;
}

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
