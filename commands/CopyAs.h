#pragma once
// The selected bytes as text for the clipboard, in the forms of Copy As.
// Hexadecimal digits are lowercase, except the hex dump's offsets, which are
// uppercase as the offset pane shows them. Text of several lines ends every
// line, the last one too, with CR LF; one-line text has no line end. No bytes
// give empty text in every form.
//
// Each function throws std::length_error when the text could not be held at
// all and std::bad_alloc when there is no memory for it; the text is sized
// beforehand, so it is allocated once.
#include <cstddef>
#include <cstdint>
#include <string>

enum class CopyAsForm {
    cArray,      // unsigned char data[N] = { ... };
    pythonBytes, // b'\x4d\x5a'
    base64,      // TVo=
    hexDump,     // offset, numbers and characters, row by row
};

// Bytes a line of the C array holds.
constexpr std::size_t cArrayBytesPerLine = 16;
// Bytes a row of the hex dump shows.
constexpr std::int32_t hexDumpBytesPerRow = 16;

// A C array of the bytes, always laid out on lines of their own:
//   unsigned char data[17] = {
//       0x4d, 0x5a, ... sixteen a line ..., 0x00,
//       0x01
//   };
// Every line but the last of the numbers ends with a comma.
std::string cArrayText(const std::uint8_t* bytes, std::size_t count);

// A Python bytes literal, every byte as \xNN: b'\x4d\x5a'.
std::string pythonBytesText(const std::uint8_t* bytes, std::size_t count);

// Base64 with the standard alphabet and '=' padding, on one line.
std::string base64Text(const std::uint8_t* bytes, std::size_t count);

// The rows the bytes lie on, as the editor shows them, `firstOffset` being the
// first byte's offset in the document:
//   00000000  4d 5a 90 00 03 00 00 00 04 00 00 00 ff ff 00 00  MZ..............
// Each row: the offset of its first byte (eight digits), two blanks, every
// byte's two digits and a blank, a blank, every byte's character (printable
// ASCII as itself, otherwise '.'). The row's bytes before the first and past
// the last are blank, so every row is as wide as a whole one.
std::string hexDumpText(const std::uint8_t* bytes, std::size_t count, std::int64_t firstOffset,
                        std::int32_t bytesPerRow);

// The text of one form; the hex dump's rows are hexDumpBytesPerRow wide.
std::string copyAsText(CopyAsForm form, const std::uint8_t* bytes, std::size_t count, std::int64_t firstOffset);
