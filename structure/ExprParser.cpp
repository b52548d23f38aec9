#include "structure/ExprParser.h"

#include "structure/ExprLexer.h"

namespace structure {

namespace {

// Deeper nesting than any real definition needs, shallow enough for the stack.
constexpr int maxExprDepth = 128;

struct BinaryLevel {
    const char* tokens[4];
    ExprOp ops[4];
};

const BinaryLevel bitOrLevel{{"|"}, {ExprOp::BitOr}};
const BinaryLevel bitXorLevel{{"^"}, {ExprOp::BitXor}};
const BinaryLevel bitAndLevel{{"&"}, {ExprOp::BitAnd}};
const BinaryLevel shiftLevel{{"<<", ">>"}, {ExprOp::Shl, ExprOp::Shr}};
const BinaryLevel additiveLevel{{"+", "-"}, {ExprOp::Add, ExprOp::Sub}};
const BinaryLevel multiplicativeLevel{{"*", "/", "%"}, {ExprOp::Mul, ExprOp::Div, ExprOp::Mod}};
const BinaryLevel comparisonLevel{{"==", "!=", "<=", ">="}, {ExprOp::Eq, ExprOp::Ne, ExprOp::Le, ExprOp::Ge}};
const BinaryLevel strictComparisonLevel{{"<", ">"}, {ExprOp::Lt, ExprOp::Gt}};

using NodePtr = std::unique_ptr<ExprNode>;

NodePtr makeNode(ExprKind kind, int column)
{
    auto node = std::make_unique<ExprNode>();
    node->kind = kind;
    node->column = column;
    return node;
}

class Parser {
public:
    explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    NodePtr parseAll()
    {
        NodePtr node = ternary();
        if (peek().kind != TokenKind::End) {
            throw ExprSyntaxError(peek().column, "unexpected '" + describe(peek()) + "'");
        }
        return node;
    }

private:
    class DepthGuard {
    public:
        DepthGuard(int& depth, int column) : depth_(depth)
        {
            if (++depth_ > maxExprDepth) {
                throw ExprSyntaxError(column, "expression nested too deeply");
            }
        }
        ~DepthGuard() { --depth_; }
        DepthGuard(const DepthGuard&) = delete;
        DepthGuard& operator=(const DepthGuard&) = delete;

    private:
        int& depth_;
    };

    const Token& peek(std::size_t ahead = 0) const
    {
        const std::size_t at = index_ + ahead;
        return at < tokens_.size() ? tokens_[at] : tokens_.back();
    }
    bool isOp(const char* op, std::size_t ahead = 0) const
    {
        return peek(ahead).kind == TokenKind::Op && peek(ahead).text == op;
    }
    bool isWord(const char* word) const { return peek().kind == TokenKind::Name && peek().text == word; }
    const Token& take() { return tokens_[index_ < tokens_.size() - 1 ? index_++ : index_]; }
    static std::string describe(const Token& t)
    {
        if (t.kind == TokenKind::End) {
            return "end of expression";
        }
        if (t.kind == TokenKind::Int) {
            return std::to_string(t.intValue);
        }
        if (t.kind == TokenKind::Float) {
            return std::to_string(t.floatValue);
        }
        return t.text;
    }

    void expect(const char* op)
    {
        if (!isOp(op)) {
            const std::string found = peek().kind == TokenKind::End ? "the end" : "'" + describe(peek()) + "'";
            throw ExprSyntaxError(peek().column, std::string("expected '") + op + "', found " + found);
        }
        take();
    }

    static NodePtr binary(ExprOp op, int column, NodePtr left, NodePtr right)
    {
        NodePtr node = makeNode(ExprKind::Binary, column);
        node->op = op;
        node->children.push_back(std::move(left));
        node->children.push_back(std::move(right));
        return node;
    }

    NodePtr ternary()
    {
        DepthGuard guard(depth_, peek().column);
        NodePtr condition = logical(false);
        if (!isOp("?")) {
            return condition;
        }
        NodePtr node = makeNode(ExprKind::Ternary, take().column);
        node->children.push_back(std::move(condition));
        node->children.push_back(ternary());
        expect(":");
        node->children.push_back(ternary());
        return node;
    }

    // `or` over `and` over `not`.
    NodePtr logical(bool andLevel)
    {
        NodePtr left = andLevel ? negation() : logical(true);
        const char* word = andLevel ? "and" : "or";
        while (isWord(word)) {
            const int column = take().column;
            NodePtr right = andLevel ? negation() : logical(true);
            left = binary(andLevel ? ExprOp::And : ExprOp::Or, column, std::move(left), std::move(right));
        }
        return left;
    }

    NodePtr negation()
    {
        if (!isWord("not")) {
            return comparison();
        }
        DepthGuard guard(depth_, peek().column);
        NodePtr node = makeNode(ExprKind::Unary, take().column);
        node->op = ExprOp::Not;
        node->children.push_back(negation());
        return node;
    }

    NodePtr comparison()
    {
        NodePtr left = level(0);
        for (const BinaryLevel* ops : {&comparisonLevel, &strictComparisonLevel}) {
            for (int i = 0; i < 4 && ops->tokens[i]; ++i) {
                if (isOp(ops->tokens[i])) {
                    const int column = take().column;
                    return binary(ops->ops[i], column, std::move(left), level(0));
                }
            }
        }
        return left;
    }

    // The binary levels from `|` down to `*`, loosest first.
    NodePtr level(int depth)
    {
        static const BinaryLevel* const binaryLevels[] = {&bitOrLevel, &bitXorLevel,   &bitAndLevel,
                                                          &shiftLevel, &additiveLevel, &multiplicativeLevel};
        constexpr int levelCount = 6;
        if (depth == levelCount) {
            return unary();
        }
        NodePtr left = level(depth + 1);
        while (true) {
            const BinaryLevel* ops = binaryLevels[depth];
            bool matched = false;
            for (int i = 0; i < 4 && ops->tokens[i]; ++i) {
                if (isOp(ops->tokens[i])) {
                    const int column = take().column;
                    left = binary(ops->ops[i], column, std::move(left), level(depth + 1));
                    matched = true;
                    break;
                }
            }
            if (!matched) {
                return left;
            }
        }
    }

    NodePtr unary()
    {
        if (isOp("-") || isOp("~") || isOp("+")) {
            DepthGuard guard(depth_, peek().column);
            const Token& op = take();
            if (op.text == "+") {
                return unary();
            }
            NodePtr node = makeNode(ExprKind::Unary, op.column);
            node->op = op.text == "-" ? ExprOp::Neg : ExprOp::BitNot;
            node->children.push_back(unary());
            return node;
        }
        return postfix(primary());
    }

    std::vector<std::string> typePath()
    {
        std::vector<std::string> path;
        do {
            if (peek().kind != TokenKind::Name) {
                throw ExprSyntaxError(peek().column, "expected a type name");
            }
            path.push_back(take().text);
        } while (isOp("::") && (take(), true));
        if (isOp("[") && isOp("]", 1)) {
            take();
            take();
            path.back() += "[]";
        }
        return path;
    }

    NodePtr postfix(NodePtr node)
    {
        while (true) {
            if (isOp("[")) {
                NodePtr index = makeNode(ExprKind::Index, take().column);
                index->children.push_back(std::move(node));
                index->children.push_back(ternary());
                expect("]");
                node = std::move(index);
            } else if (isOp(".")) {
                const int column = take().column;
                if (peek().kind != TokenKind::Name) {
                    throw ExprSyntaxError(peek().column, "expected a name after '.'");
                }
                const Token name = take();
                if (name.text == "as" && isOp("<")) {
                    take();
                    NodePtr cast = makeNode(ExprKind::Cast, column);
                    cast->path = typePath();
                    expect(">");
                    cast->children.push_back(std::move(node));
                    node = std::move(cast);
                    continue;
                }
                NodePtr member = makeNode(isOp("(") ? ExprKind::Call : ExprKind::Member, name.column);
                member->text = name.text;
                member->children.push_back(std::move(node));
                if (member->kind == ExprKind::Call) {
                    arguments(*member, ")");
                }
                node = std::move(member);
            } else {
                return node;
            }
        }
    }

    void arguments(ExprNode& into, const char* close)
    {
        take();
        if (isOp(close)) {
            take();
            return;
        }
        while (true) {
            into.children.push_back(ternary());
            if (isOp(",")) {
                take();
                if (isOp(close)) {
                    take();
                    return;
                }
                continue;
            }
            expect(close);
            return;
        }
    }

    NodePtr primary()
    {
        const Token& t = peek();
        switch (t.kind) {
        case TokenKind::Int: {
            NodePtr node = makeNode(ExprKind::Int, t.column);
            node->intValue = t.intValue;
            node->unsignedValue = t.unsignedValue;
            take();
            return node;
        }
        case TokenKind::Float: {
            NodePtr node = makeNode(ExprKind::Float, t.column);
            node->floatValue = t.floatValue;
            take();
            return node;
        }
        case TokenKind::Str: {
            NodePtr node = makeNode(ExprKind::Str, t.column);
            node->text = t.text;
            take();
            return node;
        }
        case TokenKind::Name:
            return name();
        case TokenKind::Op:
            if (t.text == "(") {
                take();
                NodePtr inner = ternary();
                expect(")");
                return inner;
            }
            if (t.text == "[") {
                NodePtr node = makeNode(ExprKind::Array, t.column);
                arguments(*node, "]");
                return node;
            }
            break;
        case TokenKind::End:
            throw ExprSyntaxError(t.column, "expression ends too early");
        }
        throw ExprSyntaxError(t.column, "unexpected '" + describe(t) + "'");
    }

    NodePtr name()
    {
        const Token first = take();
        if (first.text == "true" || first.text == "false") {
            NodePtr node = makeNode(ExprKind::Bool, first.column);
            node->intValue = first.text == "true" ? 1 : 0;
            return node;
        }
        if ((first.text == "sizeof" || first.text == "bitsizeof") && isOp("<")) {
            take();
            NodePtr node = makeNode(ExprKind::SizeOf, first.column);
            node->bits = first.text == "bitsizeof";
            node->path = typePath();
            expect(">");
            return node;
        }
        if (!isOp("::")) {
            NodePtr node = makeNode(ExprKind::Name, first.column);
            node->text = first.text;
            return node;
        }
        NodePtr node = makeNode(ExprKind::EnumRef, first.column);
        node->path.push_back(first.text);
        while (isOp("::")) {
            take();
            if (peek().kind != TokenKind::Name) {
                throw ExprSyntaxError(peek().column, "expected a name after '::'");
            }
            node->path.push_back(take().text);
        }
        node->text = node->path.back();
        node->path.pop_back();
        return node;
    }

    std::vector<Token> tokens_;
    std::size_t index_ = 0;
    int depth_ = 0;
};

} // namespace

std::unique_ptr<ExprNode> parseExpression(const std::string& text)
{
    return Parser(lexExpression(text)).parseAll();
}

std::vector<std::string> splitTypePath(const std::string& name)
{
    std::vector<std::string> path;
    std::size_t start = 0;
    while (true) {
        const std::size_t sep = name.find("::", start);
        path.push_back(name.substr(start, sep == std::string::npos ? std::string::npos : sep - start));
        if (sep == std::string::npos) {
            return path;
        }
        start = sep + 2;
    }
}

} // namespace structure
