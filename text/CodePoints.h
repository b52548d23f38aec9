#pragma once
// Unicode code points read from and written as UTF-8 and UTF-16.
#include <cstddef>
#include <cstdint>
#include <string>

constexpr char32_t lastCodePoint = 0x10FFFF;
constexpr char32_t firstHighSurrogate = 0xD800;
constexpr char32_t firstLowSurrogate = 0xDC00;
constexpr char32_t lastSurrogate = 0xDFFF;
constexpr char32_t firstSupplementary = 0x10000;
constexpr std::size_t longestUtf8 = 4;

enum class CodeStatus { valid, invalid, truncated };

struct DecodedCodePoint {
    CodeStatus status = CodeStatus::invalid;
    char32_t value = 0;
    std::size_t length = 0; // bytes of the sequence, also when it is cut short
};

bool isScalarValue(char32_t value);
// Characters with nothing to show: C0, DEL and C1 controls.
bool isControlCode(char32_t value);

// Bytes the sequence starting with this byte takes; 0 for a byte no sequence starts with.
std::size_t utf8SequenceLength(std::uint8_t lead);
// The sequence at bytes, of which `available` exist. A bad lead, continuation,
// overlong form, surrogate or value past U+10FFFF is invalid; a valid lead
// needing more bytes than there are is truncated.
DecodedCodePoint decodeUtf8(const std::uint8_t* bytes, std::size_t available);
void appendUtf8(std::string& text, char32_t value);

// One unit or a surrogate pair; a lone surrogate is invalid.
DecodedCodePoint decodeUtf16(const std::uint8_t* bytes, std::size_t available, bool bigEndian);
// The 2 or 4 bytes of the value's UTF-16 form; returns how many.
std::size_t encodeUtf16(std::uint8_t* bytes, char32_t value, bool bigEndian);
