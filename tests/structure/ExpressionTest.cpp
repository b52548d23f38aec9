// The expression language on its own: literals, operators and their
// precedence, methods, and each error with its column.
#include "structure/Evaluator.h"
#include "structure/ExprLexer.h"
#include "structure/JsonText.h"
#include "structure/Value.h"

#include <gtest/gtest.h>

namespace {

using structure::Value;

std::string show(const Value& v)
{
    switch (v.kind) {
    case Value::Kind::Int:
        return structure::jsonInteger(v.i, v.isUnsigned);
    case Value::Kind::Float:
        return "f" + structure::jsonNumber(v.f);
    case Value::Kind::Bool:
        return v.i ? "true" : "false";
    case Value::Kind::Str:
        return "'" + v.s + "'";
    case Value::Kind::Bytes:
        return "[" + structure::hexOf(v.s) + "]";
    case Value::Kind::Array: {
        std::string out = "{";
        for (std::size_t k = 0; k < v.array->size(); ++k) {
            out += (k ? "," : "") + show(v.array->item(k).value);
        }
        return out + "}";
    }
    default:
        return v.kindName();
    }
}

struct Case {
    const char* text;
    const char* expected;
};

const Case valueCases[] = {
    {"0x0253_f2f4", "39056116"},
    {"1_000", "1000"},
    {"0b1010", "10"},
    {"0o17", "15"},
    {"0xffffffffffffffff", "18446744073709551615"},
    {"24000.", "f24000"},
    {"1.5e2", "f150"},
    {"\"a\\tb\\x\"", "ERROR"},
    {"\"\\101\\u00e9\\n\"", "'A\xC3\xA9\n'"},
    {"'a\\n'", "'a\\n'"},
    {"[0x50, 0x4b]", "[504b]"},
    {"[1, 1000]", "{1,1000}"},
    {"[1.5, 2.5].size", "2"},
    // precedence: comparison below bit operators, `not` below comparison, ?: lowest
    {"1 + 2 * 3", "7"},
    {"(1 + 2) * 3", "9"},
    {"1 << 2 + 1", "8"},
    {"6 & 3 == 2", "true"},
    {"1 | 2 ^ 3 & 1", "3"},
    {"not 1 == 2", "true"},
    {"true or false and false", "true"},
    {"1 < 2 ? 10 : 20", "10"},
    {"false ? 1 : true ? 2 : 3", "2"},
    {"-2 * -3", "6"},
    {"~0", "-1"},
    // floor division and modulo
    {"7 / 2", "3"},
    {"-7 / 2", "-4"},
    {"-5 % 3", "1"},
    {"5 % -3", "-1"},
    {"7 / 2.0", "f3.5"},
    {"-5.5 % 2", "f0.5"},
    {"-9223372036854775807 - 1 - 1", "9223372036854775807"},
    {"1 << 64", "0"},
    {"-16 >> 2", "-4"},
    {"\"ab\" + \"cd\"", "'abcd'"},
    {"\"abc\" < \"abd\"", "true"},
    {"[1, 2] == [1, 2]", "true"},
    {"12.to_s", "'12'"},
    {"255.to_s(16)", "'ff'"},
    {"\"-42\".to_i", "-42"},
    {"\"ff\".to_i(16)", "255"},
    {"3.9.to_i", "3"},
    {"true.to_i", "1"},
    {"\"h\xC3\xA9llo\".length", "5"},
    {"\"abc\".reverse", "'cba'"},
    {"\"hello\".substring(1, 3)", "'el'"},
    {"\"hello\".index_of(\"ll\")", "2"},
    {"[3, 1, 2].min", "1"},
    {"[3, 1, 2].max", "3"},
    {"[3, 1, 2].first", "3"},
    {"[3, 1, 2].last", "2"},
    {"[1, 2, 3].reverse", "[030201]"},
    {"[7, 8, 9].index_of(9)", "2"},
    {"[7, 8].index_of(1)", "-1"},
    {"[0x41, 0x42].to_s(\"ASCII\")", "'AB'"},
    {"[0x41, 0].to_s(\"UTF-16LE\")", "'A'"},
    {"[1, 2, 3][1]", "2"},
    {"[0xc3, 0xa9].length", "2"},
    {"sizeof<u4>", "4"},
    {"bitsizeof<b3>", "3"},
    {"5.as<u1>", "5"},
};

TEST(StructureExpression, EvaluatesLiteralsOperatorsAndMethods)
{
    for (const Case& c : valueCases) {
        std::string got;
        try {
            got = show(structure::evaluateText(c.text));
        } catch (const std::exception&) {
            got = "ERROR";
        }
        EXPECT_EQ(got, c.expected) << c.text;
    }
}

struct ErrorCase {
    const char* text;
    int column;
    const char* reason;
};

const ErrorCase errorCases[] = {
    {"1 +", 3, "ends too early"},
    {"(1 + 2", 6, "expected ')'"},
    {"1 $ 2", 2, "unexpected character"},
    {"\"abc", 0, "unterminated"},
    {"0x", 0, "needs digits"},
    {"99999999999999999999", 0, "too large"},
    {"1 2", 2, "unexpected '2'"},
    {"a.", 2, "expected a name"},
    {"\"\\q\"", 1, "unknown escape"},
    {"1 / 0", 2, "division by zero"},
    {"4 + 7 % 0", 6, "modulo by zero"},
    {"1 + \"a\"", 2, "does not apply"},
    {"not 3", 0, "needs a boolean"},
    {"1 and true", 0, "expected a boolean"},
    {"[1, 2][5]", 6, "outside"},
    {"\"x\".substring(2, 1)", 4, "outside a string"},
    {"\"12z\".to_i", 6, "not an integer"},
    {"(2.0 * 9223372036854775807).to_i", 28, "64-bit integer range"},
    {"foo", 0, "unknown name"},
    {"2 + _index", 4, "only in a repeat"},
    {"[].first", 3, "empty array"},
    {"1.5 < \"a\"", 4, "cannot compare"},
    {"((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((("
     "((((((((((((((((((((((1",
     0, "nested too deeply"},
};

TEST(StructureExpression, ReportsEachErrorAtItsColumn)
{
    for (const ErrorCase& c : errorCases) {
        int column = -1;
        std::string message;
        try {
            structure::evaluateText(c.text);
        } catch (const structure::ExprSyntaxError& e) {
            column = e.column();
            message = e.what();
        } catch (const structure::EvalFailure& e) {
            column = e.column();
            message = e.what();
        }
        if (std::string(c.reason) != "nested too deeply") {
            EXPECT_EQ(column, c.column) << c.text;
        }
        EXPECT_NE(message.find(c.reason), std::string::npos) << c.text << " -> " << message;
    }
}

} // namespace
