#include "structure/ExprLexer.h"

#include "structure/TextConverter.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace structure {

namespace {

constexpr int hexRadix = 16;
constexpr int octalRadix = 8;
constexpr int binaryRadix = 2;
constexpr int decimalRadix = 10;
constexpr int maxOctalEscapeDigits = 3;
constexpr int unicodeEscapeDigits = 4;

bool isNameStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool isNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

} // namespace

int digitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return std::numeric_limits<int>::max();
}

namespace {

Token makeToken(TokenKind kind, int column, std::string text = {})
{
    Token t;
    t.kind = kind;
    t.column = column;
    t.text = std::move(text);
    return t;
}

class Lexer {
public:
    explicit Lexer(const std::string& text) : text_(text) {}

    std::vector<Token> run()
    {
        std::vector<Token> tokens;
        while (true) {
            while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
                ++pos_;
            }
            if (pos_ >= text_.size()) {
                break;
            }
            tokens.push_back(next());
        }
        Token end;
        end.column = column(text_.size());
        tokens.push_back(end);
        return tokens;
    }

private:
    static int column(std::size_t at) { return static_cast<int>(at); }

    Token next()
    {
        const char c = text_[pos_];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            return number();
        }
        if (isNameStart(c)) {
            Token t = makeToken(TokenKind::Name, column(pos_));
            const std::size_t start = pos_;
            while (pos_ < text_.size() && isNameChar(text_[pos_])) {
                ++pos_;
            }
            t.text = text_.substr(start, pos_ - start);
            return t;
        }
        if (c == '"') {
            return doubleQuoted();
        }
        if (c == '\'') {
            return singleQuoted();
        }
        static const char* const twoCharOps[] = {"::", "<<", ">>", "<=", ">=", "==", "!="};
        for (const char* op : twoCharOps) {
            if (text_.compare(pos_, 2, op) == 0) {
                Token t = makeToken(TokenKind::Op, column(pos_), op);
                pos_ += 2;
                return t;
            }
        }
        static const std::string oneCharOps = "+-*/%<>&|^~?:()[],.";
        if (oneCharOps.find(c) != std::string::npos) {
            Token t = makeToken(TokenKind::Op, column(pos_), std::string(1, c));
            ++pos_;
            return t;
        }
        throw ExprSyntaxError(column(pos_), std::string("unexpected character '") + c + "'");
    }

    // Digits of the given radix with `_` separators, as an unsigned 64-bit value.
    std::uint64_t digits(int radix, int startColumn, bool& any)
    {
        std::uint64_t value = 0;
        any = false;
        const auto limit = std::numeric_limits<std::uint64_t>::max();
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '_') {
                ++pos_;
                continue;
            }
            const int d = digitValue(c);
            if (d >= radix) {
                break;
            }
            const auto udigit = static_cast<std::uint64_t>(d);
            const auto uradix = static_cast<std::uint64_t>(radix);
            if (value > (limit - udigit) / uradix) {
                throw ExprSyntaxError(startColumn, "integer literal too large");
            }
            value = value * uradix + udigit;
            any = true;
            ++pos_;
        }
        return value;
    }

    Token number()
    {
        Token t = makeToken(TokenKind::Int, column(pos_));
        int radix = decimalRadix;
        if (text_[pos_] == '0' && pos_ + 1 < text_.size()) {
            const char p = static_cast<char>(std::tolower(static_cast<unsigned char>(text_[pos_ + 1])));
            if (p == 'x') {
                radix = hexRadix;
            }
            if (p == 'b') {
                radix = binaryRadix;
            }
            if (p == 'o') {
                radix = octalRadix;
            }
            if (radix != decimalRadix) {
                pos_ += 2;
            }
        }
        const std::size_t start = pos_;
        bool any = false;
        const std::uint64_t value = digits(radix, t.column, any);
        if (!any) {
            throw ExprSyntaxError(t.column, "a number needs digits");
        }
        if (radix == decimalRadix && isFloatTail()) {
            return floatNumber(t, start);
        }
        if (pos_ < text_.size() && isNameChar(text_[pos_])) {
            throw ExprSyntaxError(column(pos_), "unexpected character in a number");
        }
        t.intValue = static_cast<std::int64_t>(value);
        t.unsignedValue = value > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
        return t;
    }

    bool isFloatTail() const
    {
        if (pos_ >= text_.size()) {
            return false;
        }
        // `24000.` is a float; `24000.to_s` calls a method.
        if (text_[pos_] == '.') {
            return pos_ + 1 >= text_.size() || !isNameStart(text_[pos_ + 1]);
        }
        return text_[pos_] == 'e' || text_[pos_] == 'E';
    }

    Token floatNumber(Token t, std::size_t start)
    {
        if (text_[pos_] == '.') {
            ++pos_;
            while (pos_ < text_.size() &&
                   (std::isdigit(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_')) {
                ++pos_;
            }
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
                ++pos_;
            }
            if (pos_ >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
                throw ExprSyntaxError(column(pos_), "an exponent needs digits");
            }
            while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
                ++pos_;
            }
        }
        std::string clean;
        for (std::size_t i = start; i < pos_; ++i) {
            if (text_[i] != '_') {
                clean += text_[i];
            }
        }
        t.kind = TokenKind::Float;
        t.floatValue = std::strtod(clean.c_str(), nullptr);
        return t;
    }

    Token singleQuoted()
    {
        Token t = makeToken(TokenKind::Str, column(pos_));
        const std::size_t close = text_.find('\'', pos_ + 1);
        if (close == std::string::npos) {
            throw ExprSyntaxError(t.column, "unterminated string");
        }
        t.text = text_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        return t;
    }

    Token doubleQuoted()
    {
        Token t = makeToken(TokenKind::Str, column(pos_));
        ++pos_;
        while (true) {
            if (pos_ >= text_.size()) {
                throw ExprSyntaxError(t.column, "unterminated string");
            }
            const char c = text_[pos_++];
            if (c == '"') {
                break;
            }
            if (c != '\\') {
                t.text += c;
                continue;
            }
            escape(t.text);
        }
        return t;
    }

    void escape(std::string& out)
    {
        const int at = column(pos_ - 1);
        if (pos_ >= text_.size()) {
            throw ExprSyntaxError(at, "unterminated string");
        }
        const char c = text_[pos_++];
        switch (c) {
        case 'a':
            out += '\a';
            return;
        case 'b':
            out += '\b';
            return;
        case 't':
            out += '\t';
            return;
        case 'n':
            out += '\n';
            return;
        case 'v':
            out += '\v';
            return;
        case 'f':
            out += '\f';
            return;
        case 'r':
            out += '\r';
            return;
        case 'e':
            out += '\x1b';
            return;
        case '"':
        case '\'':
        case '\\':
            out += c;
            return;
        case 'u': {
            std::uint32_t code = 0;
            for (int i = 0; i < unicodeEscapeDigits; ++i) {
                const int d = pos_ < text_.size() ? digitValue(text_[pos_]) : hexRadix;
                if (d >= hexRadix) {
                    throw ExprSyntaxError(at, "\\u needs exactly 4 hex digits");
                }
                code = code * hexRadix + static_cast<std::uint32_t>(d);
                ++pos_;
            }
            appendUtf8(out, code);
            return;
        }
        default:
            break;
        }
        if (c >= '0' && c <= '7') {
            unsigned code = static_cast<unsigned>(c - '0');
            for (int i = 1; i < maxOctalEscapeDigits && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '7';
                 ++i) {
                code = code * octalRadix + static_cast<unsigned>(text_[pos_++] - '0');
            }
            out += static_cast<char>(code & 0xFF);
            return;
        }
        throw ExprSyntaxError(at, std::string("unknown escape '\\") + c + "'");
    }

    const std::string& text_;
    std::size_t pos_ = 0;
};

} // namespace

std::vector<Token> lexExpression(const std::string& text)
{
    return Lexer(text).run();
}

} // namespace structure
