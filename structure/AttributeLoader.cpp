#include "structure/AttributeLoader.h"

#include "structure/ExprParser.h"
#include "structure/YamlForms.h"

#include <cctype>

namespace structure {

namespace {

constexpr int byteMax = 255;
constexpr int maxBitWidth = 64;

bool allDigits(const std::string& s)
{
    if (s.empty()) {
        return false;
    }
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

// u1..u8, s1..s8, f4, f8 with an optional le/be; bN with an optional le/be.
bool parsePrimitive(const std::string& text, TypeRef& out)
{
    if (text.size() < 2) {
        return false;
    }
    std::string body = text;
    Endian endian = Endian::Inherit;
    if (body.size() > 2 &&
        (body.compare(body.size() - 2, 2, "le") == 0 || body.compare(body.size() - 2, 2, "be") == 0)) {
        endian = body.compare(body.size() - 2, 2, "le") == 0 ? Endian::Little : Endian::Big;
        body.resize(body.size() - 2);
    }
    const char kind = body[0];
    const std::string digits = body.substr(1);
    if (!allDigits(digits) || digits.size() > 2) {
        return false;
    }
    const int width = std::stoi(digits);
    out.endian = endian;
    out.width = width;
    if ((kind == 'u' || kind == 's') && (width == 1 || width == 2 || width == 4 || width == 8)) {
        out.kind = TypeRef::Kind::Int;
        out.isSigned = kind == 's';
        return true;
    }
    if (kind == 'f' && (width == 4 || width == 8)) {
        out.kind = TypeRef::Kind::Float;
        return true;
    }
    if (kind == 'b' && width >= 1 && width <= maxBitWidth) {
        out.kind = TypeRef::Kind::Bits;
        return true;
    }
    return false;
}

// Splits `a, f(b, c), "d,e"` at its top-level commas, keeping each part's offset.
std::vector<std::pair<std::string, int>> splitArguments(const std::string& text, int offset)
{
    std::vector<std::pair<std::string, int>> parts;
    int depth = 0;
    char quote = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ',';
        if (quote) {
            if (c == '\\' && quote == '"') {
                ++i;
            } else if (c == quote) {
                quote = 0;
            }
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(' || c == '[') {
            ++depth;
        } else if (c == ')' || c == ']') {
            --depth;
        } else if (c == ',' && depth == 0) {
            parts.emplace_back(text.substr(start, i - start), offset + static_cast<int>(start));
            start = i + 1;
        }
    }
    return parts;
}

TypeRef parseSwitch(const YamlNode& node)
{
    checkKeys(node, {"switch-on", "cases"}, "a switch type");
    const YamlNode* on = node.find("switch-on");
    const YamlNode* cases = node.find("cases");
    if (!on) {
        throw DefinitionError(node.pos, "a switch type needs 'switch-on'");
    }
    if (!cases) {
        throw DefinitionError(node.pos, "a switch type needs 'cases'");
    }
    TypeRef ref;
    ref.kind = TypeRef::Kind::Switch;
    ref.pos = node.pos;
    ref.switchOn = makeExpression(*on, "switch-on");
    for (const auto& entry : requireMapping(*cases, "cases").entries) {
        Expression key = makeExpression(entry.first, "a case");
        ref.cases.emplace_back(std::move(key),
                               parseTypeName(requireScalar(entry.second, "a case's type"), entry.second.textPos()));
    }
    return ref;
}

std::vector<std::uint8_t> parseContents(const YamlNode& node)
{
    std::vector<std::uint8_t> bytes;
    auto addItem = [&bytes](const YamlNode& item) {
        std::int64_t value = 0;
        if (!item.quoted && parseIntegerText(item.text, value)) {
            if (value < 0 || value > byteMax) {
                throw DefinitionError(item.pos, "a byte in 'contents' must be 0 to 255");
            }
            bytes.push_back(static_cast<std::uint8_t>(value));
        } else {
            bytes.insert(bytes.end(), item.text.begin(), item.text.end());
        }
    };
    if (node.isScalar()) {
        bytes.assign(node.text.begin(), node.text.end());
        return bytes;
    }
    for (const auto& item : requireSequence(node, "contents").items) {
        requireScalar(item, "a 'contents' item");
        addItem(item);
    }
    return bytes;
}

int requireByte(const YamlNode& node, const char* what)
{
    const std::int64_t value = requireInteger(node, what);
    if (value < 0 || value > byteMax) {
        throw DefinitionError(node.pos, std::string(what) + " must be a byte, 0 to 255");
    }
    return static_cast<int>(value);
}

Validation parseValid(const YamlNode& node)
{
    Validation v;
    v.pos = node.pos;
    if (node.isScalar()) {
        v.eq = makeExpression(node, "valid");
        return v;
    }
    checkKeys(requireMapping(node, "valid"), {"eq", "min", "max", "any-of", "expr", "in-enum"}, "'valid'");
    if (const YamlNode* n = node.find("eq")) {
        v.eq = makeExpression(*n, "valid/eq");
    }
    if (const YamlNode* n = node.find("min")) {
        v.min = makeExpression(*n, "valid/min");
    }
    if (const YamlNode* n = node.find("max")) {
        v.max = makeExpression(*n, "valid/max");
    }
    if (const YamlNode* n = node.find("expr")) {
        v.expr = makeExpression(*n, "valid/expr");
    }
    if (const YamlNode* n = node.find("in-enum")) {
        v.inEnum = requireBool(*n, "valid/in-enum");
    }
    if (const YamlNode* n = node.find("any-of")) {
        for (const auto& item : requireSequence(*n, "valid/any-of").items) {
            v.anyOf.push_back(makeExpression(item, "an any-of value"));
        }
    }
    return v;
}

void parseProcess(const YamlNode& node, Attribute& a)
{
    const std::string& text = requireScalar(node, "process");
    const std::size_t open = text.find('(');
    const std::string name = text.substr(0, open);
    if (name == "zlib") {
        a.process = ProcessKind::Zlib;
    } else if (name == "xor") {
        a.process = ProcessKind::Xor;
    } else if (name == "rol") {
        a.process = ProcessKind::Rol;
    } else if (name == "ror") {
        a.process = ProcessKind::Ror;
    } else {
        throw DefinitionError(node.pos, "unknown process '" + name + "' (zlib, xor, rol and ror are built in)");
    }
    if (open != std::string::npos) {
        if (text.back() != ')') {
            throw DefinitionError(node.pos, "process arguments need a closing ')'");
        }
        const std::string inner = text.substr(open + 1, text.size() - open - 2);
        for (const auto& part : splitArguments(inner, static_cast<int>(open) + 1)) {
            a.processArgs.push_back(makeExpression(part.first, node.textPos().shifted(part.second)));
        }
    }
    const bool needsArgument = a.process != ProcessKind::Zlib;
    if (needsArgument && a.processArgs.empty()) {
        throw DefinitionError(node.pos, "process '" + name + "' needs an argument");
    }
    if (!needsArgument && !a.processArgs.empty()) {
        throw DefinitionError(node.pos, "process 'zlib' takes no arguments");
    }
}

} // namespace

TypeRef parseTypeName(const std::string& written, const SourcePos& pos)
{
    // A block scalar brings its line breaks along.
    const std::size_t first = written.find_first_not_of(" \t\r\n");
    const std::string text = first == std::string::npos
                                 ? std::string()
                                 : written.substr(first, written.find_last_not_of(" \t\r\n") - first + 1);
    TypeRef ref;
    ref.pos = pos;
    if (text == "str" || text == "strz") {
        ref.kind = TypeRef::Kind::Str;
        ref.zeroTerminated = text == "strz";
        return ref;
    }
    if (parsePrimitive(text, ref)) {
        return ref;
    }
    ref.kind = TypeRef::Kind::User;
    const std::size_t open = text.find('(');
    std::string name = text.substr(0, open);
    if (open != std::string::npos) {
        if (text.back() != ')') {
            throw DefinitionError(pos.shifted(static_cast<int>(open)), "type arguments need a closing ')'");
        }
        const std::string inner = text.substr(open + 1, text.size() - open - 2);
        for (const auto& part : splitArguments(inner, static_cast<int>(open) + 1)) {
            ref.args.push_back(makeExpression(part.first, pos.shifted(part.second)));
        }
    }
    ref.userPath = splitTypePath(name);
    for (const auto& part : ref.userPath) {
        if (part.empty()) {
            throw DefinitionError(pos, "bad type name '" + text + "'");
        }
    }
    return ref;
}

Attribute loadAttribute(const YamlNode& node, bool isInstance, const std::string& id, std::size_t place)
{
    requireMapping(node, isInstance ? "an instance" : "a seq entry");
    checkKeys(node,
              {"id",          "doc",          "doc-ref",  "type",       "size",    "size-eos", "if",        "repeat",
               "repeat-expr", "repeat-until", "contents", "terminator", "consume", "include",  "eos-error", "pad-right",
               "encoding",    "enum",         "process",  "valid",      "pos",     "io",       "value"},
              isInstance ? "an instance" : "a seq entry");
    Attribute a;
    a.pos = node.pos;
    a.isInstance = isInstance;
    a.id = id;
    if (const YamlNode* n = node.find("id")) {
        a.id = requireIdentifier(*n, "id");
    }
    if (a.id.empty()) {
        a.id = "_unnamed" + std::to_string(place);
    }

    if (const YamlNode* n = node.find("type")) {
        a.type = n->isMapping() ? parseSwitch(*n) : parseTypeName(requireScalar(*n, "type"), n->textPos());
    }
    if (const YamlNode* n = node.find("contents")) {
        a.contents = parseContents(*n);
    }
    if (const YamlNode* n = node.find("size")) {
        a.size = makeExpression(*n, "size");
    }
    if (const YamlNode* n = node.find("size-eos")) {
        a.sizeEos = requireBool(*n, "size-eos");
    }
    if (const YamlNode* n = node.find("if")) {
        a.condition = makeExpression(*n, "if");
    }
    if (const YamlNode* n = node.find("repeat")) {
        const std::string& r = requireScalar(*n, "repeat");
        if (r == "eos") {
            a.repeat = RepeatKind::Eos;
        } else if (r == "expr") {
            a.repeat = RepeatKind::Expr;
        } else if (r == "until") {
            a.repeat = RepeatKind::Until;
        } else {
            throw DefinitionError(n->pos, "repeat must be eos, expr or until, not '" + r + "'");
        }
    }
    if (const YamlNode* n = node.find("repeat-expr")) {
        a.repeatExpr = makeExpression(*n, "repeat-expr");
    }
    if (const YamlNode* n = node.find("repeat-until")) {
        a.repeatUntil = makeExpression(*n, "repeat-until");
    }
    if (a.repeat == RepeatKind::Expr && !a.repeatExpr) {
        throw DefinitionError(node.pos, "repeat: expr needs 'repeat-expr'");
    }
    if (a.repeat == RepeatKind::Until && !a.repeatUntil) {
        throw DefinitionError(node.pos, "repeat: until needs 'repeat-until'");
    }
    if (const YamlNode* n = node.find("terminator")) {
        a.terminator = requireByte(*n, "terminator");
    }
    if (const YamlNode* n = node.find("pad-right")) {
        a.padRight = requireByte(*n, "pad-right");
    }
    if (const YamlNode* n = node.find("consume")) {
        a.consume = requireBool(*n, "consume");
    }
    if (const YamlNode* n = node.find("include")) {
        a.include = requireBool(*n, "include");
    }
    if (const YamlNode* n = node.find("eos-error")) {
        a.eosError = requireBool(*n, "eos-error");
    }
    if (const YamlNode* n = node.find("encoding")) {
        a.encoding = requireScalar(*n, "encoding");
    }
    if (const YamlNode* n = node.find("enum")) {
        a.enumPath = splitTypePath(requireScalar(*n, "enum"));
    }
    if (const YamlNode* n = node.find("process")) {
        parseProcess(*n, a);
    }
    if (const YamlNode* n = node.find("valid")) {
        a.valid = parseValid(*n);
    }
    if (const YamlNode* n = node.find("pos")) {
        a.position = makeExpression(*n, "pos");
    }
    if (const YamlNode* n = node.find("io")) {
        a.io = makeExpression(*n, "io");
    }
    if (const YamlNode* n = node.find("value")) {
        a.value = makeExpression(*n, "value");
    }

    if (a.type.kind == TypeRef::Kind::Str && a.type.zeroTerminated && !a.terminator) {
        a.terminator = 0;
    }
    if (!isInstance && (a.position || a.io || a.value)) {
        throw DefinitionError(node.pos, "pos, io and value belong to instances, not to seq entries");
    }
    if (a.value && (node.find("type") || a.size || a.contents)) {
        throw DefinitionError(node.pos, "a value instance takes no type, size or contents");
    }
    if (isInstance && !a.value && !a.position && !a.size && !a.sizeEos && !node.find("type") && !a.contents &&
        !a.terminator) {
        throw DefinitionError(node.pos, "an instance needs a value or something to read");
    }
    const bool bounded = a.size || a.sizeEos || a.terminator;
    if (!a.value && a.type.kind == TypeRef::Kind::Str && !bounded) {
        throw DefinitionError(node.pos, "a string needs size, size-eos or terminator");
    }
    if (!a.value && a.type.kind == TypeRef::Kind::Bytes && !bounded && !a.contents) {
        throw DefinitionError(node.pos, "a byte array needs size, size-eos, terminator or contents");
    }
    return a;
}

} // namespace structure
