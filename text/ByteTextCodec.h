#pragma once
// Bytes as hexadecimal ('0a ') or octal ('012 ') text, and back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Characters a byte takes as a number with its blank: '0a ' and '012 '.
constexpr int hexCellWidth = 3;
constexpr int octalCellWidth = 4;

// A byte as the character panes show it: printable ASCII as itself, any
// other byte as '.'.
char characterForm(std::uint8_t byte);

// Writes 3*count characters and a NUL; dest must hold 3*count + 1.
void formatHex(char* dest, const std::uint8_t* source, int count);
// Writes 4*count characters and a NUL; dest must hold 4*count + 1.
void formatOctal(char* dest, const std::uint8_t* source, int count);

// 0..15 for a hexadecimal digit, -1 for a separator (space, TAB, LF, CR), -2 otherwise.
int hexDigitValue(char c);
// 0..7 for an octal digit, -1 for a separator, -2 otherwise.
int octalDigitValue(char c);

// Parses NUL-terminated text of `length` characters into dest, which receives
// the bytes and a terminating 0 byte and needs (length + 1) / 2 + 1 bytes.
// Returns the number of bytes, or 0 when the text holds an invalid character
// or no digit at all.
int parseHex(std::uint8_t* dest, const char* source, int length);
int parseOctal(std::uint8_t* dest, const char* source, int length);

// The text of `count` bytes as hexadecimal or octal numbers, each followed by
// a blank. Throws std::length_error when that text could not be held at all,
// std::bad_alloc when there is no memory for it.
std::string numberText(const std::uint8_t* bytes, std::size_t count, bool octal);

// What parsing hexadecimal or octal text gives: the parser's whole output area
// (the bytes, a terminating 0 byte, zeros after it) and the number of bytes,
// 0 when the text holds an invalid character or no digit at all.
struct ParsedNumbers {
    std::vector<std::uint8_t> area;
    int count = 0;
};
ParsedNumbers parseNumberText(std::string_view text, bool octal);
