#pragma once
// The Find dialog's text in its three forms, and the byte pattern it stands
// for; and how much text the search fields of both Find dialogs hold.
#include <cstdint>
#include <string>
#include <vector>

#include "text/ByteTextCodec.h"

// A search field holds a pattern of 4 MiB in its longest form, octal's four
// characters a byte: far past any pattern worth typing, well within memory.
constexpr int longestSearchPattern = 4 << 20;
constexpr int searchFieldLimit = longestSearchPattern * octalCellWidth;
// What is said when a paste or typing goes past a field's limit and the field cuts it.
std::string searchFieldFullText();

enum class SearchForm { hex, octal, ascii };

// The text rewritten from one form into another, as the dialog's radio
// buttons do it: bytes that do not parse from hexadecimal or octal text give
// an empty hexadecimal or octal text, and, as characters, what the parse got
// up to its first zero byte. The same form gives the text unchanged.
std::string convertSearchText(const std::string& text, SearchForm from, SearchForm to);

// The bytes searched for: the parsed hexadecimal or octal text (none when it
// does not parse), or the characters themselves.
std::vector<std::uint8_t> searchPattern(const std::string& text, SearchForm form);
