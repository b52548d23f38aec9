#pragma once
// The hexadecimal and octal text forms of bytes, written by hand with the C
// library's formatting to check the codec's formatters against.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

enum class NumberForm { hex, octal };

// Two lowercase hex digits or three octal digits, and a blank, per byte.
inline std::string numberText(NumberForm form, const std::uint8_t* bytes, std::size_t count)
{
    using Groups = std::array<std::string, 256>;
    const auto groupsOf = [](NumberForm form) {
        Groups groups;
        char group[8];
        for (std::size_t b = 0; b < groups.size(); ++b) {
            const auto value = static_cast<unsigned>(b);
            const int n = form == NumberForm::hex ? std::snprintf(group, sizeof group, "%02x ", value)
                                                  : std::snprintf(group, sizeof group, "%03o ", value);
            groups[b].assign(group, static_cast<std::size_t>(n));
        }
        return groups;
    };
    static const Groups hexGroups = groupsOf(NumberForm::hex);
    static const Groups octalGroups = groupsOf(NumberForm::octal);
    const Groups& groups = form == NumberForm::hex ? hexGroups : octalGroups;
    std::string text;
    text.reserve(count * 4);
    for (std::size_t i = 0; i < count; ++i) {
        text += groups[bytes[i]];
    }
    return text;
}
