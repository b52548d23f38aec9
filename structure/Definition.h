#pragma once
// The model of a loaded structure definition (.ksy): types with their
// sequence, instances, parameters, nested types and enums, and the modules
// (files) they came from. Built by DefinitionLoader; read by the parser.
#include "structure/ExprAst.h"
#include "structure/SourcePos.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace structure {

struct Module;
struct TypeDef;

// An expression as written, with where it starts in its file.
struct Expression {
    std::string text;
    SourcePos pos;
    std::shared_ptr<ExprNode> root;
};

enum class Endian { Inherit, Little, Big, Switch };
enum class BitEndian { Inherit, Big, Little };

struct EndianSpec {
    Endian kind = Endian::Inherit;
    std::optional<Expression> switchOn; // Endian::Switch
    std::vector<std::pair<Expression, bool>> cases; // case → little-endian
};

struct EnumDef {
    std::string name;
    SourcePos pos;
    std::map<std::int64_t, std::string> labels;
    std::map<std::string, std::int64_t> values;
};

struct TypeRef {
    enum class Kind { Bytes, Int, Float, Bits, Str, User, Switch };
    Kind kind = Kind::Bytes;
    int width = 0; // Int/Float: bytes; Bits: bits
    bool isSigned = false;
    Endian endian = Endian::Inherit; // Int/Float written with le/be
    bool zeroTerminated = false; // strz
    std::vector<std::string> userPath; // User: the name split at ::
    std::vector<Expression> args; // User: parameters
    const TypeDef* user = nullptr; // User: resolved
    std::optional<Expression> switchOn; // Switch
    std::vector<std::pair<Expression, TypeRef>> cases; // Switch: `_` is the default
    std::optional<TypeRef> defaultCase() const;
    SourcePos pos;
};

enum class RepeatKind { None, Eos, Expr, Until };
enum class ProcessKind { None, Zlib, Xor, Rol, Ror };

struct Validation {
    std::optional<Expression> eq, min, max, expr;
    std::vector<Expression> anyOf;
    bool inEnum = false;
    SourcePos pos;
    bool any() const { return eq || min || max || expr || !anyOf.empty() || inEnum; }
};

// A `seq` entry or an instance.
struct Attribute {
    std::string id;
    SourcePos pos;
    bool isInstance = false;
    TypeRef type;
    std::optional<std::vector<std::uint8_t>> contents;
    std::optional<Expression> size, condition, repeatExpr, repeatUntil, position, io, value;
    bool sizeEos = false;
    RepeatKind repeat = RepeatKind::None;
    std::optional<int> terminator, padRight;
    bool consume = true, include = false, eosError = true;
    std::string encoding; // resolved against the type's and the module's meta
    std::vector<std::string> enumPath;
    const EnumDef* enumDef = nullptr;
    ProcessKind process = ProcessKind::None;
    std::vector<Expression> processArgs;
    Validation valid;
};

struct Param {
    std::string id;
    SourcePos pos;
    std::string typeName;
    std::vector<std::string> enumPath;
    const EnumDef* enumDef = nullptr;
};

struct TypeDef {
    std::string name;
    SourcePos pos;
    const TypeDef* parent = nullptr; // the enclosing type; null for a module's top type
    const Module* module = nullptr;
    std::vector<Attribute> seq;
    std::vector<Attribute> instances;
    std::vector<Param> params;
    std::map<std::string, std::unique_ptr<TypeDef>> types;
    std::map<std::string, std::unique_ptr<EnumDef>> enums;
    EndianSpec endian; // as written on this type
    BitEndian bitEndian = BitEndian::Inherit;
    std::string encoding; // as written on this type's meta

    // The endianness in force here: this type's own, else the nearest
    // enclosing type's; Switch when that one decides at run time.
    const EndianSpec* effectiveEndian() const;
    bool bitsLittleEndian() const;
    const Attribute* findMember(const std::string& id) const;
    int seqIndex(const std::string& id) const;
    int instanceIndex(const std::string& id) const;
    std::string qualifiedName() const;
};

struct Module {
    std::string path; // absolute, for imports and cycle checks
    std::shared_ptr<const std::string> shownName; // as given, for messages
    std::string id, title;
    std::vector<std::string> fileExtensions;
    TypeDef root;
    std::vector<const Module*> imports;
};

// A definition file with every file it imports.
class Definition {
public:
    const Module& main() const { return *modules_.front(); }
    const TypeDef& rootType() const { return main().root; }
    const std::vector<std::unique_ptr<Module>>& modules() const { return modules_; }
    Module& add(std::unique_ptr<Module> module);
    const Module* findByPath(const std::string& path) const;

private:
    std::vector<std::unique_ptr<Module>> modules_;
};

} // namespace structure
