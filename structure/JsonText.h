#pragma once
// JSON spellings of strings and numbers, appended to a buffer or returned.
#include <cstdint>
#include <string>

namespace structure {

void appendJsonString(std::string& out, const std::string& utf8);
void appendJsonInteger(std::string& out, std::int64_t value, bool isUnsigned);
void appendJsonCount(std::string& out, std::uint64_t value);

std::string jsonString(const std::string& utf8);
// The shortest text that reads back as the same double; null when not finite.
std::string jsonNumber(double value);
std::string jsonInteger(std::int64_t value, bool isUnsigned);

} // namespace structure
