#pragma once
// Clipboard texts for the model test's paste steps: hex or octal text of
// known bytes, written in the various ways the parsers accept, and text
// they reject.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace pastetexts {

using Bytes = std::vector<std::uint8_t>;

struct PasteText {
    std::string text;
    std::optional<Bytes> bytes; // none: the hex pane rejects the text
};

inline int pick(std::mt19937& rng, int n)
{
    return static_cast<int>(rng() % static_cast<unsigned>(n));
}

inline std::string separator(std::mt19937& rng)
{
    static const char* const separators[] = {" ", "\t", "\r\n", "  ", "\n"};
    return separators[pick(rng, 5)];
}

// One byte's group: full width, or, when the value allows, fewer digits and
// then a separator that ends the group. Octal groups past 377 keep their
// low eight bits, so 0x3F may also be written 477.
inline std::string group(std::mt19937& rng, std::uint8_t b, bool octal)
{
    char digits[8];
    const unsigned value = b;
    if (!octal) {
        if (value < 16 && pick(rng, 3) == 0) {
            std::snprintf(digits, sizeof digits, "%x", value);
            return digits + separator(rng);
        }
        if (pick(rng, 2) == 0) {
            std::snprintf(digits, sizeof digits, "%02x", value);
        } else {
            std::snprintf(digits, sizeof digits, "%02X", value);
        }
        return pick(rng, 2) == 0 ? std::string(digits) : digits + separator(rng);
    }
    const int minimal = value < 8 ? 1 : value < 64 ? 2 : 3;
    const int width = minimal + pick(rng, 4 - minimal);
    constexpr unsigned pastEightBits = 256;
    std::snprintf(digits, sizeof digits, "%03o", width == 3 && pick(rng, 4) == 0 ? value + pastEightBits : value);
    const std::string written(digits + 3 - width); // without the leading zeros the value does without
    return width < 3 || pick(rng, 2) == 0 ? written + separator(rng) : written;
}

inline PasteText validNumberText(std::mt19937& rng, bool octal, const Bytes& bytes)
{
    PasteText paste{pick(rng, 4) == 0 ? separator(rng) : std::string(), bytes};
    for (const std::uint8_t b : bytes) {
        paste.text += group(rng, b, octal);
    }
    return paste;
}

// Nothing but separators, or valid text with one character that is no digit
// of the view: wherever it stands, it spoils the whole text.
inline PasteText rejectedNumberText(std::mt19937& rng, bool octal, const Bytes& bytes)
{
    if (bytes.empty() || pick(rng, 4) == 0) {
        return {pick(rng, 2) == 0 ? std::string() : separator(rng), std::nullopt};
    }
    static const char hexInvalid[] = "gxz-,.\x7f";
    static const char octalInvalid[] = "89aFx-";
    const char bad = octal ? octalInvalid[pick(rng, 6)] : hexInvalid[pick(rng, 7)];
    std::string text = validNumberText(rng, octal, bytes).text;
    text.insert(static_cast<std::size_t>(pick(rng, static_cast<int>(text.size()) + 1)), 1, bad);
    return {text, std::nullopt};
}

} // namespace pastetexts
