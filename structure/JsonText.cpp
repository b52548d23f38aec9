#include "structure/JsonText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <charconv>

namespace structure {

namespace {

constexpr int maxDoubleDigits = 17;
constexpr unsigned char firstPrintable = 0x20;
constexpr double smallestPlain = 1e-7;
constexpr double largestPlain = 1e21;
constexpr std::size_t maxIntegerDigits = 24; // a sign and twenty digits, with room

} // namespace

void appendJsonString(std::string& out, const std::string& utf8)
{
    out += '"';
    std::size_t plainFrom = 0;
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const char c = utf8[at];
        const auto b = static_cast<unsigned char>(c);
        if (b >= firstPrintable && c != '"' && c != '\\') {
            continue;
        }
        // Runs of characters that need no escape go in whole.
        out.append(utf8, plainFrom, at - plainFrom);
        plainFrom = at + 1;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default: {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(b));
            out += buffer;
        }
        }
    }
    out.append(utf8, plainFrom, utf8.size() - plainFrom);
    out += '"';
}

void appendJsonCount(std::string& out, std::uint64_t value)
{
    char buffer[maxIntegerDigits];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, static_cast<std::size_t>(end - buffer));
}

void appendJsonInteger(std::string& out, std::int64_t value, bool isUnsigned)
{
    if (isUnsigned) {
        return appendJsonCount(out, static_cast<std::uint64_t>(value));
    }
    char buffer[maxIntegerDigits];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, static_cast<std::size_t>(end - buffer));
}

std::string jsonString(const std::string& utf8)
{
    std::string out;
    appendJsonString(out, utf8);
    return out;
}

std::string jsonNumber(double value)
{
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[400];
    int precision = 1;
    for (; precision <= maxDoubleDigits; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
        if (std::strtod(buffer, nullptr) == value) {
            break;
        }
    }
    // Plain digits between 1e-7 and 1e21, as JSON writers commonly print them.
    const double magnitude = std::fabs(value);
    if (std::strchr(buffer, 'e') && magnitude >= smallestPlain && magnitude < largestPlain) {
        const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
        std::snprintf(buffer, sizeof buffer, "%.*f", std::max(0, precision - 1 - exponent), value);
    }
    return buffer;
}

std::string jsonInteger(std::int64_t value, bool isUnsigned)
{
    std::string out;
    appendJsonInteger(out, value, isUnsigned);
    return out;
}

} // namespace structure
