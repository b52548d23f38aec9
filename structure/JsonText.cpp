#include "structure/JsonText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>

namespace structure {

namespace {

constexpr int kMaxDoubleDigits = 17;
constexpr unsigned char kFirstPrintable = 0x20;
constexpr double kPlainFrom = 1e-7;
constexpr double kPlainTo = 1e21;

}  // namespace

std::string jsonString(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (b < kFirstPrintable) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(b));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string jsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buffer[400];
    int precision = 1;
    for (; precision <= kMaxDoubleDigits; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
        if (std::strtod(buffer, nullptr) == value) break;
    }
    // Plain digits between 1e-7 and 1e21, as JSON writers commonly print them.
    const double magnitude = std::fabs(value);
    if (std::strchr(buffer, 'e') && magnitude >= kPlainFrom && magnitude < kPlainTo) {
        const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
        std::snprintf(buffer, sizeof buffer, "%.*f", std::max(0, precision - 1 - exponent), value);
    }
    return buffer;
}

std::string jsonInteger(std::int64_t value, bool isUnsigned) {
    return isUnsigned ? std::to_string(static_cast<std::uint64_t>(value)) : std::to_string(value);
}

}  // namespace structure
