// The data inspector's rows for any bytes: no row reads past what remains,
// and every text a row shows reads back as a value that shows the same text.
// The typed text itself is fuzzed too: it is either refused with a message or
// turned into bytes of the row's size.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tests/fuzz/FuzzCheck.h"
#include "text/ByteValues.h"

namespace {

constexpr char notEnough[] = "-";
constexpr char invalid[] = "invalid";

void checkRow(ValueType type, const std::uint8_t* data, std::size_t size, bool bigEndian)
{
    // An exact copy, so that a read past `size` is caught by the sanitizer.
    const std::vector<std::uint8_t> bytes(data, data + size);
    const std::string text = valueText(type, bytes.data(), bytes.size(), bigEndian);
    check(!text.empty(), "every row shows something");
    if (text == notEnough || text == invalid) {
        return;
    }
    const ParsedValue parsed = parseValue(type, text, bigEndian);
    check(parsed.valid(), "a shown value reads back");
    check(valueText(type, parsed.bytes.data(), parsed.bytes.size(), bigEndian) == text,
          "the value read back shows the same text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) {
        return 0;
    }
    const bool bigEndian = (data[0] & 1) != 0;
    for (int row = 0; row < valueTypeCount; ++row) {
        checkRow(static_cast<ValueType>(row), data + 1, size - 1, bigEndian);
    }
    const auto type = static_cast<ValueType>(data[0] % valueTypeCount);
    const ParsedValue typed =
        parseValue(type, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), bigEndian);
    check(typed.valid() != typed.bytes.empty(), "a typed text gives bytes or a message, not both");
    return 0;
}
