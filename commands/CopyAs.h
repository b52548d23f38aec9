#pragma once
// The selected bytes as text for the clipboard, in the forms of Copy As.
// Hexadecimal digits are lowercase, except the hex dump's offsets, which are
// uppercase as the offset pane shows them. Text of several lines ends every
// line, the last one too, with CR LF; one-line text has no line end. No bytes
// give empty text in every form.
//
// Each text is measured before it is written, and written piece by piece in
// place, so that a large selection's text is held once.
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/PiecewiseText.h"

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

// The text of one form, `firstOffset` being the first byte's offset in the
// document:
// - a C array, always laid out on lines of their own, every line but the
//   last of the numbers ending with a comma:
//     unsigned char data[17] = {
//         0x4d, 0x5a, ... sixteen a line ..., 0x00,
//         0x01
//     };
// - a Python bytes literal, every byte as \xNN: b'\x4d\x5a';
// - Base64 with the standard alphabet and '=' padding, on one line;
// - the rows the bytes lie on as the editor shows them, hexDumpBytesPerRow wide:
//     00000000  4d 5a 90 00 03 00 00 00 04 00 00 00 ff ff 00 00  MZ..............
//   each row the offset of its first byte (eight digits), two blanks, every
//   byte's two digits and a blank, a blank, every byte's character
//   (printable ASCII as itself, otherwise '.'). The row's bytes before the
//   first and past the last are blank, so every row is as wide as a whole one.
PiecewiseText copyAsPieces(CopyAsForm form, const std::uint8_t* bytes, std::size_t count, std::int64_t firstOffset);

// The same text in one string; throws as wholeText does.
std::string copyAsText(CopyAsForm form, const std::uint8_t* bytes, std::size_t count, std::int64_t firstOffset);
