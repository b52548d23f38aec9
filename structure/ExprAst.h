#pragma once
// The parsed form of a structure-definition expression.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace structure {

struct EnumDef;
struct TypeDef;

enum class ExprKind {
    Int,
    Float,
    Str,
    Bool,
    Array,
    Name, // an identifier: a field, a parameter, or _root, _parent, _io, _index, _
    EnumRef, // path::enum_name::label
    Unary,
    Binary,
    Ternary,
    Member, // operand.name: a field or a method without arguments
    Call, // operand.name(arguments)
    Index, // operand[index]
    Cast, // operand.as<type>
    SizeOf, // sizeof<type> / bitsizeof<type>
};

enum class ExprOp {
    None,
    Neg,
    BitNot,
    Not,
    Mul,
    Div,
    Mod,
    Add,
    Sub,
    Shl,
    Shr,
    BitAnd,
    BitXor,
    BitOr,
    Lt,
    Le,
    Gt,
    Ge,
    Eq,
    Ne,
    And,
    Or,
};

struct ExprNode {
    ExprKind kind = ExprKind::Int;
    ExprOp op = ExprOp::None;
    int column = 0; // 0-based offset of the node in the expression text
    std::int64_t intValue = 0;
    bool unsignedValue = false; // an integer literal past the signed 64-bit range
    double floatValue = 0;
    std::string text; // a string literal, name, member, or enum label
    std::vector<std::string> path; // EnumRef: the enum's path; Cast/SizeOf: the type's path
    bool bits = false; // SizeOf: bitsizeof
    std::vector<std::unique_ptr<ExprNode>> children;

    // Filled in when the definition is resolved.
    const EnumDef* enumDef = nullptr;
    const TypeDef* typeDef = nullptr;
};

} // namespace structure
