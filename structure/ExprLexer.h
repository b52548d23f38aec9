#pragma once
// Splits expression text into tokens; numbers may carry `_` separators.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace structure {

// An error inside an expression, at its 0-based column.
class ExprSyntaxError : public std::runtime_error {
public:
    ExprSyntaxError(int column, const std::string& message) : std::runtime_error(message), column_(column) {}
    int column() const { return column_; }

private:
    int column_;
};

enum class TokenKind { Int, Float, Str, Name, Op, End };

struct Token {
    TokenKind kind = TokenKind::End;
    int column = 0;
    std::string text; // a name, an operator, or a string's decoded value
    std::int64_t intValue = 0;
    bool unsignedValue = false;
    double floatValue = 0;
};

std::vector<Token> lexExpression(const std::string& text);

// A digit's value: 0-9, then the letters in either case from 10 on; INT_MAX for anything else.
int digitValue(char c);

} // namespace structure
