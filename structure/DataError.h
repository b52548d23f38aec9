#pragma once
// A fault in the data (or in evaluating an expression over it): the parse
// stops there and keeps what it read. The innermost field that sees the
// error fills in its path and offset.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace structure {

class DataError : public std::runtime_error {
public:
    explicit DataError(const std::string& message) : std::runtime_error(message) {}
    std::optional<std::string> path;
    std::optional<std::uint64_t> offset;
};

// "1 byte", "2 bytes": counts in messages.
inline std::string byteCount(std::uint64_t count)
{
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

// The stream ended before `needed` bytes could be read.
inline DataError dataEnded(std::uint64_t needed, std::uint64_t left)
{
    return DataError("data ended: " + byteCount(needed) + " needed, " + std::to_string(left) + " left");
}

// The first data error of a parse, as tools report it.
struct ParseError {
    std::string message;
    std::string path;
    std::uint64_t offset = 0;
};

} // namespace structure
