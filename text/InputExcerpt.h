#pragma once
// What a message repeats of text the user typed: no longer than a line, so
// that a long entry cannot fill the message box.
#include <cstddef>
#include <string>
#include <string_view>

// Characters shown before the rest gives way to an ellipsis.
constexpr std::size_t inputExcerptCharacters = 40;

// The UTF-8 text as typed; past inputExcerptCharacters characters cut
// between two characters, never inside one, and ended by "…" (U+2026).
std::string inputExcerpt(std::string_view typed);
