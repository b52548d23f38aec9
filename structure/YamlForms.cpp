#include "structure/YamlForms.h"

#include "structure/ExprLexer.h"
#include "structure/ExprParser.h"

#include <cctype>
#include <limits>

namespace structure {

namespace {

constexpr std::uint64_t magnitudeOfInt64Min = 9223372036854775808ULL;

} // namespace

bool parseIntegerText(const std::string& text, std::int64_t& out)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i++] == '-';
    }
    unsigned radix = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        const char p = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
        if (p == 'x') {
            radix = 16;
        }
        if (p == 'o') {
            radix = 8;
        }
        if (p == 'b') {
            radix = 2;
        }
        if (radix != 10) {
            i += 2;
        }
    }
    std::uint64_t value = 0;
    bool any = false;
    for (; i < text.size(); ++i) {
        if (text[i] == '_' && any) {
            continue;
        }
        const int d = digitValue(text[i]);
        if (d < 0 || static_cast<unsigned>(d) >= radix) {
            return false;
        }
        const auto digit = static_cast<std::uint64_t>(d);
        if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / radix) {
            return false;
        }
        value = value * radix + digit;
        any = true;
    }
    if (!any) {
        return false;
    }
    if (negative) {
        if (value > magnitudeOfInt64Min) {
            return false;
        }
        out = static_cast<std::int64_t>(0 - value);
    } else {
        // Past the signed range the bits are kept: u8 values are written so.
        out = static_cast<std::int64_t>(value);
    }
    return true;
}

const std::string& requireScalar(const YamlNode& node, const char* what)
{
    if (!node.isScalar()) {
        throw DefinitionError(node.pos, std::string(what) + " must be a single value");
    }
    return node.text;
}

std::int64_t requireInteger(const YamlNode& node, const char* what)
{
    std::int64_t value = 0;
    if (!node.isScalar() || !parseIntegerText(node.text, value)) {
        throw DefinitionError(node.pos, std::string(what) + " must be an integer");
    }
    return value;
}

bool requireBool(const YamlNode& node, const char* what)
{
    if (node.isScalar()) {
        static const char* const trueWords[] = {"true", "True", "TRUE", "yes", "Yes", "YES", "on", "On", "ON"};
        static const char* const falseWords[] = {"false", "False", "FALSE", "no", "No", "NO", "off", "Off", "OFF"};
        for (const char* t : trueWords) {
            if (node.text == t) {
                return true;
            }
        }
        for (const char* f : falseWords) {
            if (node.text == f) {
                return false;
            }
        }
    }
    throw DefinitionError(node.pos, std::string(what) + " must be true or false");
}

const YamlNode& requireMapping(const YamlNode& node, const char* what)
{
    if (!node.isMapping()) {
        throw DefinitionError(node.pos, std::string(what) + " must be a mapping");
    }
    return node;
}

const YamlNode& requireSequence(const YamlNode& node, const char* what)
{
    if (!node.isSequence()) {
        throw DefinitionError(node.pos, std::string(what) + " must be a list");
    }
    return node;
}

std::string requireIdentifier(const YamlNode& node, const char* what)
{
    const std::string& text = requireScalar(node, what);
    bool ok = !text.empty() && std::islower(static_cast<unsigned char>(text[0]));
    for (char c : text) {
        ok = ok &&
             (std::islower(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)) || c == '_');
    }
    if (!ok) {
        throw DefinitionError(node.pos, std::string(what) + " '" + text +
                                            "' must be lowercase letters, digits and _, starting with a letter");
    }
    return text;
}

std::vector<std::string> stringList(const YamlNode& node, const char* what)
{
    if (node.isScalar()) {
        return {node.text};
    }
    std::vector<std::string> out;
    for (const auto& item : requireSequence(node, what).items) {
        out.push_back(requireScalar(item, what));
    }
    return out;
}

Expression makeExpression(const std::string& text, const SourcePos& pos)
{
    Expression e;
    e.text = text;
    e.pos = pos;
    try {
        e.root = parseExpression(text);
    } catch (const ExprSyntaxError& error) {
        throw DefinitionError(pos.shifted(error.column()), std::string("bad expression: ") + error.what());
    }
    return e;
}

Expression makeExpression(const YamlNode& node, const char* what)
{
    return makeExpression(requireScalar(node, what), node.textPos());
}

void checkKeys(const YamlNode& mapping, std::initializer_list<const char*> allowed, const char* where)
{
    for (const auto& entry : mapping.entries) {
        const std::string& key = entry.first.text;
        if (!key.empty() && key[0] == '-') {
            continue;
        }
        bool known = false;
        for (const char* a : allowed) {
            known = known || key == a;
        }
        if (!known) {
            throw DefinitionError(entry.first.pos, "unknown key '" + key + "' in " + where);
        }
    }
}

} // namespace structure
