#pragma once
// JSON spellings of strings and numbers.
#include <cstdint>
#include <string>

namespace structure {

std::string jsonString(const std::string& utf8);
// The shortest text that reads back as the same double; null when not finite.
std::string jsonNumber(double value);
std::string jsonInteger(std::int64_t value, bool isUnsigned);

}  // namespace structure
